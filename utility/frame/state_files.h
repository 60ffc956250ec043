// state_files.h — the text files Quorvel saves its lists in beside the executable: one entry a
// line, LF ended, the last line too; separators inside entries are written as they are.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "utility/frame/recent_list.h"
#include "utility/listing/note_index.h"

// "data.txt": the current board first, then every other board in list order.
std::string FormatDataTxt(const BoardList& boards);

// A short list never replaces a long "data.txt": the file is written when it is at most 256
// bytes long (0 when missing) or the new text is at least 256 bytes.
bool ShouldWriteDataTxt(std::uint64_t existingSize, std::size_t newSize);

// Board, space, note string. Marnelo reads every line as an alias, so a line break inside a
// multi-line note becomes a space: its later lines must not turn into aliases of their own.
std::string FormatCmdTxt(const NoteIndex& index);
std::string FormatCtrlTxt(const std::vector<NotePair>& pairs);   // text, space, command
std::string FormatLines(const std::vector<std::string>& lines);  // "hanko.txt"
// "bookmark.txt": the paths, then one empty line.
std::string FormatBookmarks(const std::vector<std::string>& paths);
std::string FormatRecent(const RecentList& recent);  // folder, tab, text

// "hanko.txt" and "bookmark.txt" read back: their non-empty lines.
std::vector<std::string> ParseLineList(std::string_view text);
