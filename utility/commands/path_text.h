// path_text.h — the small path rules shared by the listing, the history and the file commands.
#pragma once
#include <string>
#include <string_view>

// Drops a trailing "\*" (a folder pattern) or else a trailing "\"; only whole characters
// count, so a trail byte 0x5C is never cut. C:\data\* and C:\data\ both give C:\data.
std::string TrimPatternTail(std::string_view path);
