// menu_entries.h — menu items as the program's menus insert them, and the numbering of the
// boards that the note menu's "移動" list and the main menu share.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "launcher/resources/resource.h"
#include "launcher/resources/texts.h"

struct MenuEntry {
    unsigned command = 0;
    std::string text;
};

// What the menu is given for `text`: a menu takes "&" for the mark of a mnemonic, so each is
// doubled and a command or path shows as it is.
std::string MenuItemText(const std::string& text);

// Board entries numbered from `first`: the folder boards, then the outside boards. Every board
// uses up its number, but `leftOut` and emptied list entries are not listed.
std::vector<MenuEntry> NumberedBoards(unsigned first, const std::vector<std::string>& folderBoards,
                                      const std::vector<std::string>& outsideBoards,
                                      const std::string& leftOut = {});

// The board (a name or a path) that carries `command` in such a numbering, or nothing.
std::optional<std::string> NumberedBoard(unsigned command, unsigned first,
                                         const std::vector<std::string>& folderBoards,
                                         const std::vector<std::string>& outsideBoards);

// The items of a note's menu and the boards its "移動" submenu offers.

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

// The items of the tray icon's menu, the board each board item stands
// for, and the extension a new note file gets.

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
