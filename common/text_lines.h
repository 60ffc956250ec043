// text_lines.h — splitting the line files both programs read: CR, LF or CR LF end a line.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// The non-empty lines of `text`; empty lines (and so any mix of CR and LF) are skipped.
std::vector<std::string> SplitLines(std::string_view text);
