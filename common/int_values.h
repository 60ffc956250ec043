// int_values.h — arithmetic on numbers that come unchecked from files a user may edit: nothing
// computed from them may wrap, so a result beyond int is held at its limit.
#pragma once
#include <algorithm>
#include <climits>
#include <string_view>

inline int HeldInInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// A decimal integer as the files of both programs hold it: leading blanks, an optional sign,
// digits up to the first other byte; no digits give 0. A number beyond int is held at INT_MAX
// either way, so that the result can also be negated.
int ParseDecimalInt(std::string_view text);
