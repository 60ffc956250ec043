#include "launcher/windows/note_menu_items.h"

#include "launcher/resources/texts.h"

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
