// board_save.h — what a save does to a note file: the board file holds the notes whose common
// flag is 0, the common file those whose flag is 1, and a file left without notes goes away.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

// A file with content but no note record (a text file opened as a board by mistake, a board
// of a layout this version does not know) is no board of ours: this run neither replaces nor
// removes it. Blank lines alone are no content.
bool HoldsForeignContent(std::string_view text, std::size_t recordCount);
