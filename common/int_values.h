// int_values.h — arithmetic on numbers that come unchecked from files a user may edit: nothing
// computed from them may wrap, so a result beyond int is held at its limit.
#pragma once
#include <algorithm>
#include <climits>

inline int HeldInInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
