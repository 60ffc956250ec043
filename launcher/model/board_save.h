// board_save.h — what a save does to a note file: the board file holds the notes whose common
// flag is 0, the common file those whose flag is 1, and a file left without notes goes away.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_io.h"
#include "launcher/model/board_state.h"
#include "launcher/model/note_file.h"
#include "launcher/model/paths.h"

// One note of the table as a save sees it: its common flag and its record line.
struct SaveRecord {
    int common = 0;
    std::string line;
};

enum class FileChange {
    RemoveBoth,  // the table is empty: the board file and the common file go
    Remove,      // no note has the flag: this file goes
    Replace,     // the file is replaced by `text`
};

struct FileSavePlan {
    FileChange change = FileChange::Replace;
    std::string text;
};

// Only the flag 1 makes a common note. Any other value stays with the board and is written back
// as it is, so a record from another version is not lost at the next save.
bool BelongsToCommonFile(int commonFlag);

// The two files a save writes; the common file holds the notes of the common flag 1.
enum class SavedFile { Board, Common };

// The change for one of the two files.
FileSavePlan PlanFileSave(const std::vector<SaveRecord>& records, SavedFile file);

// What one save does to the board file and the common file. Both files change together or
// not at all: a note whose common flag changed would otherwise leave one file without
// reaching the other, or stand in both. A file this run could not read is left as it is.
struct BoardSavePlan {
    std::vector<FileReplacement> replaced;
    std::vector<std::string> removed;  // only once the replacement succeeded
    bool writeSettings = false;        // the board was written: the settings go with it
};

// The plan for the notes on screen, `records` in table order. On the common file opened as a
// board every note belongs to that one file, whatever its flag, and the board's own change
// writes it whole.
BoardSavePlan PlanBoardSave(std::vector<SaveRecord> records, const BoardState& board,
                            const LauncherPaths& paths);

// After a failed read: a file that is there (held, or its attributes unreadable) may hold
// notes; a missing file or a folder holds none.
bool MayHoldNotes(bool mayExist, bool isFolder);

// A file with content but no note record (a text file opened as a board by mistake, a board
// of a layout this version does not know) is no board of ours: this run neither replaces nor
// removes it. Blank lines alone are no content.
bool HoldsForeignContent(std::string_view text, std::size_t recordCount);

struct DecodedNotes {
    std::vector<Note> notes;
    bool unreadable = false;  // this run must never replace the file
};

// The notes of a note file as `text` holds them. A file that holds something other than notes
// is unreadable, and so is one that could not be read when it `mayExist`.
DecodedNotes DecodeNoteFile(std::optional<std::string_view> text, bool mayExist,
                            const NoteDefaults& defaults);
