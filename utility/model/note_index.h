// note_index.h — what Quorvel knows of Marnelo's boards: their names, a searchable row per
// note text and note command, and each note's text with its command.
#pragma once
#include <cstdint>
#include <deque>
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

// Rows and pairs are views into the texts their NoteLists keeps: a load of many boards copies
// each file once instead of every text and command on its own.
struct NoteIndexRow {
    std::string_view board;
    std::string_view note;  // a note's text or its command
};

struct NoteIndex {
    std::vector<NoteIndexRow> rows;
    // Rows by the hash of board and note (open addressing), so that a load of many boards
    // finds a row already present without copying or comparing trees of texts. The hash is
    // kept with the row: growing the table and passing other rows reads no text.
    struct Seen {
        std::uint32_t hash = 0;
        int row = -1;  // -1: free
    };
    std::vector<Seen> seen;
};

struct NotePair {
    std::string_view text;
    std::string_view command;
};

struct NoteLists {
    BoardList boards;
    NoteIndex index;
    std::vector<NotePair> pairs;
    // The data folder's notes are read once; the index alone cannot tell, as the old boards'
    // notes may fill it first.
    bool dataFolderNotesRead = false;
    // What the views of `index` and `pairs` refer to: board files and names as read, never
    // moved (a deque keeps its elements in place), never copied (a copy would refer back).
    std::deque<std::string> texts;

    NoteLists() = default;
    NoteLists(const NoteLists&) = delete;
    NoteLists& operator=(const NoteLists&) = delete;
};

// Adds (board, text) and (board, command) unless such a row exists; the pair always.
void AddNoteRecord(NoteLists& lists, std::string_view board, std::string_view text,
                   std::string_view command);

// Takes the text and command of every record the launcher itself reads from `content`, and
// no other. Returns the records taken.
int ParseNoteText(NoteLists& lists, const std::string& board, std::string_view content);
// The same, keeping `content` itself instead of a copy.
int TakeNoteFile(NoteLists& lists, const std::string& board, std::string content);

// Quotes around the whole name are dropped. A known name is not added again; with addmode
// the board added or found becomes the current one.
void AddBoard(BoardList& boards, std::string_view name, int pastFlag, int addMode);

// Removes every board of exactly this name with its past flag.
void RemoveBoard(BoardList& boards, std::string_view name);

// Marnelo's note folder beside the executable, and the folder of its past boards within.
std::string NoteFolderPath(const std::string& exeFolder);
std::string PastNoteFolderPath(const std::string& exeFolder);

// The file a board name stands for: a name holding "\" is a path, any other lies in fdir.
std::string BoardFilePath(const std::string& exeFolder, const std::string& name);

void ClearNoteLists(NoteLists& lists);

// A board a note folder offers, and the path its notes are read from.
struct BoardSource {
    std::string board;
    std::string path;
};

// The note folder's own files by name, then the outside boards of the file list's lines by
// path. An outside board keeps its quotes as a name only when boards alone are loaded.
std::vector<BoardSource> BoardSources(const std::string& folder,
                                      const std::vector<std::string>& names,
                                      std::string_view fileList, bool boardsOnly);

// The first pair a list row's note string belongs to, as its text or its command; null when
// none does.
const NotePair* PairOfNote(const std::vector<NotePair>& pairs, std::string_view note);
