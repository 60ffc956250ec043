// quotes.h — the double quotes around a path, a program or a board name: both programs take
// them away and put them on by the same rule.
#pragma once
#include <string>
#include <string_view>

// The text inside one pair of quotes that encloses all of it; any other text as it is.
std::string WithoutEnclosingQuotes(std::string_view text);

// A text with an ASCII space in double quotes, so that the shell takes it as one argument;
// a text that already begins with a quote, or holds no space, as it is.
std::string QuoteIfSpaced(std::string_view text);
