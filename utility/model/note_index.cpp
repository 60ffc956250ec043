#include "utility/model/note_index.h"

#include <algorithm>
#include <functional>

#include "common/date_stamp.h"
#include "common/file_names.h"
#include "common/note_records.h"
#include "common/quotes.h"
#include "common/sjis.h"
#include "common/text_lines.h"

namespace {

std::size_t TextHash(std::string_view text) {
    return std::hash<std::string_view>{}(text);
}

std::uint32_t RowHash(std::size_t boardHash, std::string_view note) {
    return static_cast<std::uint32_t>(boardHash * 31 + TextHash(note));
}

// Room for `more` elements, growing by doubling as pushing one by one would.
template <class Element>
void MakeRoom(std::vector<Element>& elements, std::size_t more) {
    std::size_t needed = elements.size() + more;
    if (elements.capacity() < needed) elements.reserve(std::max(needed, elements.capacity() * 2));
}

// Kept at most half full, so a probe ends after a few slots.
void MakeRoomInSeen(NoteIndex& index, std::size_t rows) {
    if (index.seen.size() >= rows * 2) return;
    std::size_t size = 64;
    while (size < rows * 2) size *= 2;
    std::vector<NoteIndex::Seen> seen(size);
    std::size_t mask = size - 1;
    for (const NoteIndex::Seen& kept : index.seen) {
        if (kept.row == -1) continue;
        std::size_t slot = kept.hash & mask;
        while (seen[slot].row != -1) slot = (slot + 1) & mask;
        seen[slot] = kept;
    }
    index.seen = std::move(seen);
}

void AddRow(NoteIndex& index, std::string_view board, std::size_t boardHash,
            std::string_view note) {
    MakeRoomInSeen(index, index.rows.size() + 1);
    std::size_t mask = index.seen.size() - 1;
    std::uint32_t hash = RowHash(boardHash, note);
    std::size_t slot = hash & mask;
    for (; index.seen[slot].row != -1; slot = (slot + 1) & mask) {
        if (index.seen[slot].hash != hash) continue;
        const NoteIndexRow& row = index.rows[index.seen[slot].row];
        if (row.note == note && row.board == board) return;
    }
    index.seen[slot] = {hash, static_cast<int>(index.rows.size())};
    index.rows.push_back({board, note});
}

// `board`, `text` and `command` already lie in `lists.texts`.
void AddKeptRecord(NoteLists& lists, std::string_view board, std::size_t boardHash,
                   std::string_view text, std::string_view command) {
    AddRow(lists.index, board, boardHash, text);
    AddRow(lists.index, board, boardHash, command);
    lists.pairs.push_back({text, command});
}

}  // namespace

void AddNoteRecord(NoteLists& lists, std::string_view board, std::string_view text,
                   std::string_view command) {
    std::string_view keptBoard = lists.texts.emplace_back(board);
    std::string& record = lists.texts.emplace_back(text);
    record += command;
    std::string_view kept = record;
    AddKeptRecord(lists, keptBoard, TextHash(keptBoard), kept.substr(0, text.size()),
                  kept.substr(text.size()));
}

int ParseNoteText(NoteLists& lists, const std::string& board, std::string_view content) {
    return TakeNoteFile(lists, board, std::string(content));
}

int TakeNoteFile(NoteLists& lists, const std::string& board, std::string content) {
    int taken = 0;
    std::string_view keptBoard = lists.texts.emplace_back(board);
    std::string_view kept = lists.texts.emplace_back(std::move(content));
    // A record takes more than 32 bytes: room for that many is made once, not row by row.
    std::size_t lines = kept.size() / 32 + 1;
    MakeRoom(lists.index.rows, 2 * lines);
    MakeRoom(lists.pairs, lines);
    MakeRoomInSeen(lists.index, lists.index.rows.size() + 2 * lines);
    std::size_t boardHash = TextHash(keptBoard);
    NoteRecordScanner scanner(kept, false);
    NoteRecord record;
    while (scanner.Next(record)) {
        // Marnelo writes a deleted note after a header line: the header is no part of its text.
        std::string_view noteText = record.text;
        noteText.remove_prefix(DeletedNoteHeaderLength(noteText));
        AddKeptRecord(lists, keptBoard, boardHash, noteText, record.command);
        ++taken;
    }
    // A file without a single record keeps nothing.
    if (taken == 0) {
        lists.texts.pop_back();
        lists.texts.pop_back();
    }
    return taken;
}

void AddBoard(BoardList& boards, std::string_view name, int pastFlag, int addMode) {
    std::string board = WithoutEnclosingQuotes(name);
    auto found = std::find(boards.names.begin(), boards.names.end(), board);
    int index = static_cast<int>(found - boards.names.begin());
    if (found == boards.names.end()) {
        boards.names.push_back(std::move(board));
        boards.pastFlag.push_back(pastFlag);
    }
    if (addMode != 0) boards.currentBoard = index;
}

void RemoveBoard(BoardList& boards, std::string_view name) {
    bool hasCurrent = boards.currentBoard >= 0 && boards.currentBoard < boards.count();
    std::string current = hasCurrent ? boards.names[boards.currentBoard] : std::string();
    for (std::size_t i = boards.names.size(); i-- > 0;) {
        if (boards.names[i] != name) continue;
        boards.names.erase(boards.names.begin() + i);
        boards.pastFlag.erase(boards.pastFlag.begin() + i);
    }
    // The current board is kept by name, so removing an earlier board does not move it
    // and removing the last one leaves no index behind the end of the list.
    boards.currentBoard = -1;
    if (!hasCurrent || current == name) return;
    auto found = std::find(boards.names.begin(), boards.names.end(), current);
    boards.currentBoard = static_cast<int>(found - boards.names.begin());
}

std::string NoteFolderPath(const std::string& exeFolder) {
    return exeFolder + kDataFolderName;
}

std::string PastNoteFolderPath(const std::string& exeFolder) {
    return exeFolder + kDeletedFolderName;
}

std::string BoardFilePath(const std::string& exeFolder, const std::string& name) {
    if (ContainsChar(name, '\\')) return name;
    return NoteFolderPath(exeFolder) + "\\" + name;
}

void ClearNoteLists(NoteLists& lists) {
    lists.boards = BoardList{};
    lists.index = NoteIndex{};
    lists.pairs.clear();
    lists.texts.clear();
    lists.dataFolderNotesRead = false;
}

const NotePair* PairOfNote(const std::vector<NotePair>& pairs, std::string_view note) {
    for (const NotePair& pair : pairs)
        if (pair.text == note || pair.command == note) return &pair;
    return nullptr;
}

std::vector<BoardSource> BoardSources(const std::string& folder,
                                      const std::vector<std::string>& names,
                                      std::string_view fileList, bool boardsOnly) {
    std::vector<BoardSource> sources;
    for (const std::string& name : names) sources.push_back({name, folder + "\\" + name});
    for (const std::string& line : SplitLines(fileList))
        sources.push_back(
            {boardsOnly ? line : WithoutEnclosingQuotes(line), WithoutEnclosingQuotes(line)});
    return sources;
}
