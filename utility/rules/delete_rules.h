// delete_rules.h — what Delete may take away: a file only for a board of the board list, while
// the board list box shows those boards as they are; from every other list only the entry. And
// where Wine's recycle bin lies, since without it Wine's "recycle" deletes for good.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "utility/model/note_index.h"
#include "utility/rules/list_rows.h"

enum class BoxDeleteKind {
    BoardFile,     // the board's file to the recycle bin, and the board out of BoardList
    HistoryEntry,  // the newest pair of this folder out of the day's history and its file
    LineOnly,      // a line the box made itself (a parent folder) or no longer stands for
};

// Delete on board list box item `item`, shown cut back to parent folders or not; `source` is
// what the box was last filled from, as the mode may have changed since.
BoxDeleteKind PlanBoxDelete(BoardBoxSource source, bool cutToParents, std::string_view item,
                            const BoardList& boards, const std::string& exeFolder);

// The file of the board `name`: the name itself when it holds "\", else in the note folder, or
// in its old-boards folder for a past board. Nothing when BoardList holds no such board.
std::optional<std::string> BoardFileToDelete(const BoardList& boards, const std::string& exeFolder,
                                             std::string_view name);

// Where Wine makes its recycle bin ("Trash") for the Unix user: in XDG_DATA_HOME when that is an
// absolute path, else in the home folder's .local\share. Wine makes the bin only when that folder
// exists. One of the two is set: the Unix path to look up, or the DOS path from WINEHOMEDIR
// ("\??\Z:\home\user"); neither when nothing tells.
struct WineDataFolder {
    std::string unixPath;
    std::string dosPath;
};
WineDataFolder WineTrashParent(std::string_view xdgDataHome, std::string_view wineHomeDir);
