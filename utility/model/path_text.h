// path_text.h — the small path rules shared by the listing, the history and the file commands.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Drops a trailing "\*" (a folder pattern) or else a trailing "\", and nothing else; only
// whole characters count, so a trail byte 0x5C is never cut. C:\data\* and C:\data\ both give
// C:\data; a name pattern such as C:\data\ab* stays whole.
std::string TrimPatternTail(std::string_view path);

// "C:" alone names the drive's current folder, which may be anywhere: a drive root keeps its
// "\" (C: gives C:\), any other text comes back as it is.
std::string WithDriveRoot(std::string folder);

// A drive root (C:, C:\ or C:\*) or nothing at all: no file operation may take it as a file.
bool IsDriveOrEmpty(std::string_view path);

// A typed or pasted folder: a path, a path in quotes, or a folder pattern ending in "\*", as
// it is to be listed; a name pattern (C:\data\ab*) counts when the folder it looks into exists.
// Nothing when `folderExists` denies the folder.
std::optional<std::string> TypedFolder(const std::string& text,
                                       const std::function<bool(const std::string&)>& folderExists);
