// board_list.h — the boards the menus offer: the outside boards remembered in "filelist.txt".
#pragma once
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
