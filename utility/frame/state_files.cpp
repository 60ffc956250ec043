#include "utility/frame/state_files.h"

#include "common/text_lines.h"
#include "utility/frame/quorvel_state.h"

std::string FormatDataTxt(const BoardList& boards) {
    std::string text;
    int current = boards.currentBoard;
    bool hasCurrent = current >= 0 && current < boards.count();
    if (hasCurrent) text += boards.names[current] + "\n";
    for (int i = 0; i < boards.count(); ++i)
        if (!hasCurrent || i != current) text += boards.names[i] + "\n";
    return text;
}

bool ShouldWriteDataTxt(std::uint64_t existingSize, std::size_t newSize) {
    return existingSize <= 256 || newSize >= 256;
}

namespace {

std::string OnOneLine(std::string_view kept) {
    std::string text(kept);
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

}  // namespace

std::string FormatCmdTxt(const NoteIndex& index) {
    std::string text;
    for (const NoteIndexRow& row : index.rows)
        text += OnOneLine(row.board) + " " + OnOneLine(row.note) + "\n";
    return text;
}

std::string FormatCtrlTxt(const std::vector<NotePair>& pairs) {
    std::string text;
    for (const NotePair& pair : pairs) {
        text += pair.text;
        text += ' ';
        text += pair.command;
        text += '\n';
    }
    return text;
}

std::string FormatLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::string FormatBookmarks(const std::vector<std::string>& paths) {
    return FormatLines(paths) + "\n";
}

std::string FormatRecent(const RecentList& recent) {
    std::string text;
    // Read back line by line: a pair must stay on its line.
    for (const RecentPair& pair : recent.pairs)
        text += OnOneLine(pair.folder) + "\t" + OnOneLine(pair.text) + "\n";
    return text;
}

std::vector<std::string> ParseLineList(std::string_view text) {
    return SplitLines(text);
}

std::string RecentFileName(const std::string& today) {
    return "recent\\" + today + ".txt";
}

std::string LogFileName(const std::string& today) {
    return "Quorvellog\\" + today + ".log";
}

std::string CommandLogLine(const std::string& target, const std::string& parameters) {
    return parameters.empty() ? target : target + " " + parameters;
}

std::vector<ListFile> ListFilesToSave(const QuorvelState& state, const std::string& today) {
    std::vector<ListFile> files;
    if (!state.notes.index.rows.empty())
        files.push_back({"cmd.txt", FormatCmdTxt(state.notes.index)});
    if (!state.notes.pairs.empty()) files.push_back({"ctrl.txt", FormatCtrlTxt(state.notes.pairs)});
    if (!state.stamps.empty())
        files.push_back({kStampFileName, FormatLines(state.stamps)});
    else if (state.stampsRead)
        files.push_back({kStampFileName, ""});
    if (!state.bookmarks.empty())
        files.push_back({kBookmarkFileName, FormatBookmarks(state.bookmarks)});
    else if (state.bookmarksRead)
        files.push_back({kBookmarkFileName, ""});
    if (!state.recent.pairs.empty())
        files.push_back({RecentFileName(today), FormatRecent(state.recent)});
    return files;
}
