// note_menu_items.h — the items of a note's menu and the boards its "移動" submenu offers.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "launcher/resources/resource.h"
#include "launcher/windows/menu_entries.h"
#include "launcher/resources/texts.h"

// The note menu's items in insertion order; each is inserted at the top, so the menu shows
// them the other way round. The "移動" submenu comes first and carries no command.
const std::vector<MenuEntry>& NoteMenuItems();

// The "移動" entries in insertion order. Every board uses up its number, but the current board
// and emptied list entries are not offered.
std::vector<MenuEntry> MoveMenuEntries(const std::vector<std::string>& folderBoards,
                                       const std::vector<std::string>& outsideBoards,
                                       const std::string& currentBoardName);

// The board (a name or a path) a "移動" command stands for, or nothing.
std::optional<std::string> MoveTargetOf(unsigned command,
                                        const std::vector<std::string>& folderBoards,
                                        const std::vector<std::string>& outsideBoards);
