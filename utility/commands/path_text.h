// path_text.h — the small path rules shared by the listing, the history and the file commands.
#pragma once
#include <string>
#include <string_view>

// Drops a trailing "\*" (a folder pattern) or else a trailing "\", and nothing else; only
// whole characters count, so a trail byte 0x5C is never cut. C:\data\* and C:\data\ both give
// C:\data; a name pattern such as C:\data\ab* stays whole.
std::string TrimPatternTail(std::string_view path);

// A drive root (C:, C:\ or C:\*) or nothing at all: no file operation may take it as a file.
bool IsDriveOrEmpty(std::string_view path);
