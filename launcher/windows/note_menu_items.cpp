#include "launcher/windows/note_menu_items.h"

const std::vector<MenuEntry>& NoteMenuItems() {
    static const std::vector<MenuEntry> items = {
        {0, kMoveSubmenuText},          {kMenuEdit, "T.編集"},
        {kMenuNewNote, "N.新しい付箋"}, {kMenuDelete, "D.付箋を削除"},
        {kMenuRun, "E.実行"},           {kMenuCopy, "C.クリップボードにコピー"},
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
