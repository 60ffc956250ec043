// note_index.h — what Quorvel knows of Marnelo's boards: their names, a searchable row per
// note text and note command, and each note's text with its command.
#pragma once
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct BoardList {
    std::vector<std::string> names;
    std::vector<int> pastFlag;  // 1 for boards of the old-boards folder
    int currentBoard = -1;      // the board last added or found while addmode is set
    int count() const { return static_cast<int>(names.size()); }
};

struct NoteIndexRow {
    std::string board;
    std::string note;  // a note's text or its command
};

struct NoteIndex {
    std::vector<NoteIndexRow> rows;
    std::set<std::pair<std::string, std::string>> seen;  // keeps rows unique in O(log n)
};

struct NotePair {
    std::string text;
    std::string command;
};

struct NoteLists {
    BoardList boards;
    NoteIndex index;
    std::vector<NotePair> pairs;
    // The data folder's notes are read once; the index alone cannot tell, as the old boards'
    // notes may fill it first.
    bool dataFolderNotesRead = false;
};

// Adds (board, text) and (board, command) unless such a row exists; the pair always.
void AddNoteRecord(NoteLists& lists, const std::string& board, const std::string& text,
                   const std::string& command);

// Takes the text and command of every record the launcher itself reads from `content`, and
// no other. Returns the records taken.
int ParseNoteText(NoteLists& lists, const std::string& board, std::string_view content);

// Quotes around the whole name are dropped. A known name is not added again; with addmode
// the board added or found becomes the current one.
void AddBoard(BoardList& boards, std::string_view name, int pastFlag, int addMode);

// Removes every board of exactly this name with its past flag.
void RemoveBoard(BoardList& boards, std::string_view name);

// The file a board name stands for: a name holding "\" is a path, any other lies in fdir.
std::string BoardFilePath(const std::string& exeFolder, const std::string& name);

void ClearNoteLists(NoteLists& lists);
