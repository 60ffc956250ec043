#include "utility/listing/note_index.h"

#include <algorithm>

#include "common/date_stamp.h"
#include "common/note_records.h"
#include "common/sjis.h"

namespace {

void AddRow(NoteIndex& index, const std::string& board, const std::string& note) {
    if (!index.seen.emplace(board, note).second) return;
    index.rows.push_back({board, note});
}

}  // namespace

void AddNoteRecord(NoteLists& lists, const std::string& board, const std::string& text,
                   const std::string& command) {
    AddRow(lists.index, board, text);
    AddRow(lists.index, board, command);
    lists.pairs.push_back({text, command});
}

int ParseNoteText(NoteLists& lists, const std::string& board, std::string_view content) {
    int taken = 0;
    NoteRecordScanner scanner(content);
    NoteRecord record;
    std::string text, command;  // one buffer each for all records: a load reads every board
    while (scanner.Next(record)) {
        // Marnelo writes a deleted note after a header line: the header is no part of its text.
        std::string_view noteText = record.text;
        noteText.remove_prefix(DeletedNoteHeaderLength(noteText));
        text.assign(noteText);
        command.assign(record.command);
        AddNoteRecord(lists, board, text, command);
        ++taken;
    }
    return taken;
}

void AddBoard(BoardList& boards, std::string_view name, int pastFlag, int addMode) {
    std::string board(name);
    if (board.size() >= 2 && board.front() == '"' && board.back() == '"')
        board = board.substr(1, board.size() - 2);
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

std::string BoardFilePath(const std::string& exeFolder, const std::string& name) {
    if (ContainsChar(name, '\\')) return name;
    return exeFolder + "fdir\\" + name;
}

void ClearNoteLists(NoteLists& lists) {
    lists.boards = BoardList{};
    lists.index = NoteIndex{};
    lists.pairs.clear();
    lists.dataFolderNotesRead = false;
}
