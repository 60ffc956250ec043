// state_files.h — the text files Quorvel saves its lists in beside the executable: one entry a
// line, LF ended, the last line too; separators inside entries are written as they are.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "utility/model/note_index.h"
#include "utility/model/recent_list.h"
#include "utility/resources/texts.h"

struct QuorvelState;

// "data.txt": the current board first, then every other board in list order.
std::string FormatDataTxt(const BoardList& boards);

// A short list never replaces a long "data.txt": the file is written when it is at most 256
// bytes long (0 when missing) or the new text is at least 256 bytes.
bool ShouldWriteDataTxt(std::uint64_t existingSize, std::size_t newSize);

// Board, space, note string. Marnelo reads every line as an alias, so a line break inside a
// multi-line note becomes a space: its later lines must not turn into aliases of their own.
std::string FormatCmdTxt(const NoteIndex& index);

// kCmdTxtMarker, the line that parts "cmd.txt": the user's own aliases above it, the lines
// Quorvel writes again at every save below it. It holds no space, so Marnelo takes it for no
// alias; the user's lines come first and so win, as Marnelo keeps the first line of a word.

// "cmd.txt" as a save leaves it: the user's part of `existing` byte for byte, the marker, then
// the `generated` lines. A file without the marker may hold lines the user wrote: all its lines
// are kept as the user's, except those equal to a generated line.
std::string MergeCmdTxt(std::string_view existing, std::string_view generated);
std::string FormatCtrlTxt(const std::vector<NotePair>& pairs);   // text, space, command
std::string FormatLines(const std::vector<std::string>& lines);  // "hanko.txt"
// "bookmark.txt": the paths, then one empty line.
std::string FormatBookmarks(const std::vector<std::string>& paths);
std::string FormatRecent(const RecentList& recent);  // folder, tab, text

inline constexpr char kAliasFileName[] = "cmd.txt";
inline constexpr char kStampFileName[] = "hanko.txt";
inline constexpr char kBookmarkFileName[] = "bookmark.txt";

// The day's files, below the executable's folder: the recent pairs and the log of started
// commands.
std::string RecentFileName(const std::string& today);
std::string LogFileName(const std::string& today);

// A started command as the log records it: the target, then a space and the parameters when
// there are any.
std::string CommandLogLine(const std::string& target, const std::string& parameters);

// A file a save writes below the executable's folder, and its whole text.
struct ListFile {
    std::string name;
    std::string text;
};

// The list files a save writes ("data.txt" is decided apart): a list that holds something is
// written; stamps or bookmarks read back non-empty and emptied since are written empty, or they
// would return; any other empty list leaves its file alone. `cmdTxtNow` is what "cmd.txt" holds
// (empty when there is none): nothing when it cannot be read, and then the file is left alone,
// as the user's lines in it are not known.
std::vector<ListFile> ListFilesToSave(const QuorvelState& state, const std::string& today,
                                      const std::optional<std::string>& cmdTxtNow);

// "hanko.txt" and "bookmark.txt" read back: their non-empty lines.
std::vector<std::string> ParseLineList(std::string_view text);
