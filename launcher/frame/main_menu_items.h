// main_menu_items.h — the items of the tray icon's menu, the board each board item stands
// for, and the extension a new note file gets.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "launcher/resources/resource.h"
#include "launcher/windows/menu_entries.h"

// In insertion order; each item is inserted at the top, so the menu shows the outside boards
// last to first, the folder boards last to first, then the fixed items. Every board is
// offered, the current one too; an emptied outside entry uses up its number only.
std::vector<MenuEntry> MainMenuItems(const std::vector<std::string>& folderBoards,
                                     const std::vector<std::string>& outsideBoards);

// The board (a name or a full path) a board item stands for, or nothing.
std::optional<std::string> MainMenuBoard(unsigned command,
                                         const std::vector<std::string>& folderBoards,
                                         const std::vector<std::string>& outsideBoards);

// Whether the new note file at `path` is written empty. The save dialog asked only about the
// name as typed (`chosen`): a file that the added extension happens to name is opened as it
// is, not emptied.
bool NewBoardIsEmptied(const std::string& chosen, const std::string& path, bool pathMayExist);

// The chosen path with the extension of the chosen type entry (1 ".marnl", any other ".txt")
// unless it already ends with it in any letter case.
std::string WithNoteFileExtension(const std::string& path, int typeEntry);
