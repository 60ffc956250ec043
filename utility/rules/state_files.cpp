#include "utility/rules/state_files.h"

#include <algorithm>

#include "common/text_lines.h"
#include "utility/rules/quorvel_state.h"

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

namespace {

// Where the marker line starts in `text`; npos without one.
std::size_t MarkerLineAt(std::string_view text) {
    const std::string_view marker = kCmdTxtMarker;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = text.size();
        if (text.substr(at, end - at) == marker) return at;
        at = end + 1;
    }
    return std::string_view::npos;
}

}  // namespace

std::string MergeCmdTxt(std::string_view existing, std::string_view generated) {
    std::string users;
    std::size_t marker = MarkerLineAt(existing);
    if (marker != std::string_view::npos) {
        users = std::string(existing.substr(0, marker));
    } else {
        std::vector<std::string> fresh = SplitLines(generated);
        std::sort(fresh.begin(), fresh.end());
        for (const std::string& line : SplitLines(existing))
            if (!std::binary_search(fresh.begin(), fresh.end(), line)) users += line + "\n";
    }
    if (!users.empty() && users.back() != '\n' && users.back() != '\r') users += '\n';
    return users + kCmdTxtMarker + "\n" + std::string(generated);
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

std::vector<ListFile> ListFilesToSave(const QuorvelState& state, const std::string& today,
                                      const std::optional<std::string>& cmdTxtNow) {
    std::vector<ListFile> files;
    if (!state.notes.index.rows.empty() && cmdTxtNow)
        files.push_back({kAliasFileName, MergeCmdTxt(*cmdTxtNow, FormatCmdTxt(state.notes.index))});
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
