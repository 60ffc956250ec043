#include "utility/rules/list_rows.h"

#include <cstring>

#include "common/sjis.h"
#include "utility/model/match_words.h"

DisplayBuffer::DisplayBuffer(std::size_t capacity)
    : data_(new char[capacity]), capacity_(capacity) {}

std::string_view DisplayBuffer::Join(std::string_view board, std::string_view note) {
    std::size_t needed = board.size() + note.size() + 2;
    if (needed > capacity_) {
        data_.reset(new char[needed]);
        capacity_ = needed;
    }
    char* out = data_.get();
    std::memcpy(out, board.data(), board.size());
    out[board.size()] = ' ';
    std::memcpy(out + board.size() + 1, note.data(), note.size());
    out[needed - 1] = '\0';
    return std::string_view(out, needed - 1);
}

std::vector<ListRow> ListViewRows(const ResultList& results, const NoteIndex& index,
                                  std::string_view inputText, int searchMode,
                                  DisplayBuffer& buffer) {
    std::vector<ListRow> rows;
    WordMatcher matcher(inputText, searchMode);
    for (int i = 0; i < results.count(); ++i) {
        if (matcher.Matches(results.entries[i].name)) rows.push_back({i, -1});
    }
    const int notes = static_cast<int>(index.rows.size());
    // Joining every row only to match it against nothing would cost the first Enter's
    // display more than its reading.
    const bool all = matcher.MatchesAll();
    for (int i = 0; i < notes; ++i) {
        const NoteIndexRow& row = index.rows[i];
        if (row.note.empty()) continue;
        if (all || matcher.Matches(buffer.Join(row.board, row.note))) rows.push_back({-1, i});
    }
    return rows;
}

std::string_view RowText(const ListRow& row, int column, const ResultList& results,
                         const NoteIndex& index) {
    if (row.entry >= 0 && row.entry < results.count()) {
        const ResultEntry& entry = results.entries[row.entry];
        if (column == 0) return entry.name;
        if (column == 1) return entry.path;
        if (column == 2) return entry.date;
    } else if (row.noteRow >= 0 && static_cast<std::size_t>(row.noteRow) < index.rows.size()) {
        const NoteIndexRow& note = index.rows[row.noteRow];
        if (column == 0) return note.board;
        if (column == 1) return note.note;
    }
    return {};
}

std::optional<std::string> CutToLevel(std::string_view path, int level) {
    if (level <= 0) return std::string(path);
    std::vector<std::size_t> separators;
    for (std::size_t i = 0; i < path.size();) {
        char c = path[i];
        if (c == '\\' || c == ':' || c == '/') separators.push_back(i);
        bool lead = IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < path.size();
        i += lead ? 2 : 1;
    }
    if (separators.size() < static_cast<std::size_t>(level)) return std::nullopt;
    std::size_t at = separators[separators.size() - static_cast<std::size_t>(level)];
    if (at == 0) return std::nullopt;
    return std::string(path.substr(0, at));
}

namespace {

constexpr int kNumberedItems = 10;

std::string DigitPrefix(int index) {
    return std::string(1, static_cast<char>('0' + (index + 1) % 10)) + ".";
}

}  // namespace

BoardBoxSource BoardListSource(ModeState mode) {
    return mode == ModeState::History ? BoardBoxSource::History : BoardBoxSource::Boards;
}

std::vector<std::string> BoardListItems(ModeState mode, const RecentList& recent,
                                        const BoardList& boards) {
    if (BoardListSource(mode) == BoardBoxSource::Boards) return boards.names;
    std::vector<std::string> folders;
    for (const RecentPair& pair : recent.pairs) folders.push_back(pair.folder);
    return folders;
}

std::vector<std::string> BoardListTexts(const std::vector<std::string>& items,
                                        std::string_view inputText, std::string_view nowDir,
                                        int parentLevel, int searchMode) {
    // C:\data\* narrows to what lies in C:\data\ . A bare folder, left by a step whose listing
    // failed, narrows as it is: cutting its last byte could leave half a character.
    std::string_view folder = nowDir;
    if (!folder.empty() && folder.back() == '*') folder.remove_suffix(1);
    std::vector<std::string> kept;
    WordMatcher typed(inputText, searchMode), inFolder(folder, searchMode);
    for (const std::string& item : items) {
        if (!typed.Matches(item) || !inFolder.Matches(item)) continue;
        if (parentLevel <= 0) {
            kept.push_back(item);
        } else if (std::optional<std::string> cut = CutToLevel(item, parentLevel)) {
            kept.push_back(std::move(*cut));
        }
    }
    if (parentLevel <= 0) return std::vector<std::string>(kept.rbegin(), kept.rend());
    for (int i = 0; i < static_cast<int>(kept.size()) && i < kNumberedItems; ++i)
        kept[i] = DigitPrefix(i) + kept[i];
    return kept;
}

std::string WithoutDigitPrefix(std::string_view text, int index, bool numbered) {
    if (!numbered || index < 0 || index >= kNumberedItems) return std::string(text);
    std::string prefix = DigitPrefix(index);
    if (text.substr(0, prefix.size()) != prefix) return std::string(text);
    return std::string(text.substr(prefix.size()));
}

std::vector<std::string> BookmarkTexts(const std::vector<std::string>& bookmarks,
                                       std::string_view inputText, int searchMode) {
    std::vector<std::string> shown;
    WordMatcher matcher(inputText, searchMode);
    for (const std::string& bookmark : bookmarks)
        if (matcher.Matches(bookmark)) shown.push_back(bookmark);
    return shown;
}

std::string ShownCellText(std::string_view text, std::size_t limit) {
    std::string shown;
    // Trail bytes of Shift-JIS start at 0x40, so a byte below 0x20 is always a whole character.
    // One byte past the limit tells the cut whether the last character is whole.
    for (std::size_t i = 0; i < text.size() && shown.size() <= limit; ++i) {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        shown += byte < 0x20 ? ' ' : static_cast<char>(byte);
    }
    return CutAtCharBoundary(shown, limit);
}
