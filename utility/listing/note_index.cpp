#include "utility/listing/note_index.h"

#include <algorithm>

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
    // The field counter counts from field 3: 9, 14 and 18 end the 12-, 17- and 21-field
    // layouts at their line end, 25 is field 28 of the full record.
    int state = 0;
    int counter = 0;
    int taken = 0;
    std::size_t recordStart = 0, commandStart = 0;
    std::string text, command;
    for (std::size_t i = 0; i < content.size(); ++i) {
        char byte = content[i];
        if (state == 0) {
            if (byte != '\t') continue;
            text.assign(content.substr(recordStart, i - recordStart));
            commandStart = i + 1;
            state = 1;
        } else if (state == 1) {
            if (byte != '\t') continue;
            command.assign(content.substr(commandStart, i - commandStart));
            state = 2;
            counter = 0;
        } else if (byte == '\t' || byte == '\r') {
            bool lineEnd = byte == '\r';
            if ((lineEnd && (counter == 9 || counter == 14 || counter == 18)) || counter == 25) {
                AddNoteRecord(lists, board, text, command);
                ++taken;
                counter = 0;
            }
            ++counter;
        } else if (byte == '\n') {
            state = 0;
            counter = 0;
            recordStart = i + 1;
        }
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
}
