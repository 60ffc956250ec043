// menu_entries.h — menu items as the program's menus insert them, and the numbering of the
// boards that the note menu's "移動" list and the main menu share.
#pragma once
#include <optional>
#include <string>
#include <vector>

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
