#include "launcher/windows/menu_entries.h"

std::vector<MenuEntry> NumberedBoards(unsigned first, const std::vector<std::string>& folderBoards,
                                      const std::vector<std::string>& outsideBoards,
                                      const std::string& leftOut) {
    std::vector<MenuEntry> entries;
    unsigned command = first;
    for (const auto* list : {&folderBoards, &outsideBoards}) {
        for (const std::string& board : *list) {
            if (!board.empty() && board != leftOut) entries.push_back({command, board});
            ++command;
        }
    }
    return entries;
}

std::optional<std::string> NumberedBoard(unsigned command, unsigned first,
                                         const std::vector<std::string>& folderBoards,
                                         const std::vector<std::string>& outsideBoards) {
    if (command < first) return std::nullopt;
    std::size_t index = command - first;
    if (index < folderBoards.size()) return folderBoards[index];
    index -= folderBoards.size();
    if (index < outsideBoards.size() && !outsideBoards[index].empty()) return outsideBoards[index];
    return std::nullopt;
}

std::string MenuItemText(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (char c : text) {
        shown += c;
        if (c == '&') shown += '&';
    }
    return shown;
}
