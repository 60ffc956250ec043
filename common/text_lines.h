// text_lines.h — splitting the line files both programs read: CR, LF or CR LF end a line.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// The non-empty lines of `text`; empty lines (and so any mix of CR and LF) are skipped.
std::vector<std::string> SplitLines(std::string_view text);

// The strings of a list the system hands back: each ends with a NUL, and an empty one (or the
// end of `text`) ends the list.
std::vector<std::string> SplitAtNuls(std::string_view text);
