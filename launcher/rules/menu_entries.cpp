#include "launcher/rules/menu_entries.h"
#include "common/sjis.h"
#include "launcher/resources/texts.h"

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

const std::vector<MenuEntry>& NoteMenuItems() {
    static const std::vector<MenuEntry> items = {
        {0, kMoveSubmenuText},
        {kMenuEdit, kNoteEditLabel},
        {kMenuNewNote, kNoteNewNoteLabel},
        {kMenuDelete, kNoteDeleteLabel},
        {kMenuRun, kNoteRunLabel},
        {kMenuCopy, kNoteCopyLabel},
    };
    return items;
}

std::vector<MenuEntry> MoveMenuEntries(const std::vector<std::string>& folderBoards,
                                       const std::vector<std::string>& outsideBoards,
                                       const std::string& currentBoardName) {
    return NumberedBoards(kMenuFirstBoard, folderBoards, outsideBoards, currentBoardName);
}

std::optional<std::string> MoveTargetOf(unsigned command,
                                        const std::vector<std::string>& folderBoards,
                                        const std::vector<std::string>& outsideBoards) {
    return NumberedBoard(command, kMenuFirstBoard, folderBoards, outsideBoards);
}

std::vector<MenuEntry> MainMenuItems(const std::vector<std::string>& folderBoards,
                                     const std::vector<std::string>& outsideBoards) {
    std::vector<MenuEntry> items = {
        {kMainEnd, kMainEndLabel},
        {kMainNewNote, kMainNewNoteLabel},
        {kMainNewNoteFile, kMainNewNoteFileLabel},
        {kMainHelp, kMainHelpLabel},
        {kMainMiniTool, kMainMiniToolLabel},
    };
    for (MenuEntry& entry : NumberedBoards(kMainFirstBoard, folderBoards, outsideBoards))
        items.push_back(std::move(entry));
    return items;
}

std::optional<std::string> MainMenuBoard(unsigned command,
                                         const std::vector<std::string>& folderBoards,
                                         const std::vector<std::string>& outsideBoards) {
    return NumberedBoard(command, kMainFirstBoard, folderBoards, outsideBoards);
}

std::string WithNoteFileExtension(const std::string& path, int typeEntry) {
    std::string extension = typeEntry == 1 ? ".marnl" : ".txt";
    if (path.size() >= extension.size() &&
        EqualsIgnoringCase(std::string_view(path).substr(path.size() - extension.size()),
                           extension))
        return path;
    return path + extension;
}

bool NewBoardIsEmptied(const std::string& chosen, const std::string& path, bool pathMayExist) {
    return path == chosen || !pathMayExist;
}
