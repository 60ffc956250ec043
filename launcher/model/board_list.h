// board_list.h — the boards the menus offer: the outside boards remembered in "filelist.txt",
// and where a switch to another board leads.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A path lies in the data folder when it begins with the folder's path, in any letter case,
// followed by a separator: a sibling folder whose name only begins alike lies outside.
bool LiesInDataFolder(std::string_view path, std::string_view dataFolder);

// Adds `path` unless it is empty, lies in the data folder or is listed already (exactly).
void AddOutsideBoard(std::vector<std::string>& outsideBoards, std::string_view path,
                     std::string_view dataFolder);

// Adds every non-empty line of the list file's text by the rule above.
void ReadOutsideList(std::vector<std::string>& outsideBoards, std::string_view text,
                     std::string_view dataFolder);

// The text of "filelist.txt": every entry that still names a file, each followed by LF. An
// entry whose file is gone is emptied in the list too. Nothing when the list has no entries,
// so the file is then left as it is.
std::optional<std::string> KnownBoardsText(std::vector<std::string>& outsideBoards,
                                           const std::function<bool(const std::string&)>& isFile);

// Where a board switch leads: the board's name and the file its deleted notes go to.
struct SwitchedBoard {
    std::string name;
    std::string deletedNotesPath;
};

// A board switched to that is empty or could not be read is replaced on screen by the common
// notes with a default note.
bool ShowsSwitchedBoard(const std::optional<std::string>& text);

// A path names its board by the part after its last backslash (a text without one keeps the
// current name); deleted notes of a board outside the data folder go to "outside.txt".
SwitchedBoard PlanBoardSwitch(std::string_view path, const std::string& currentName,
                              std::string_view dataFolder, std::string_view deletedFolder);
