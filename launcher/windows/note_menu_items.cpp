#include "launcher/windows/note_menu_items.h"

const std::vector<MenuEntry>& NoteMenuItems() {
    static const std::vector<MenuEntry> items = {
        {0, kMoveSubmenuText},
        {kMenuEdit, "T.\x95\xd2\x8f\x57"},                             // T.編集
        {kMenuNewNote, "N.\x90\x56\x82\xb5\x82\xa2\x95\x74\xe2\xb3"},  // N.新しい付箋
        {kMenuDelete, "D.\x95\x74\xe2\xb3\x82\xf0\x8d\xed\x8f\x9c"},   // D.付箋を削除
        {kMenuRun, "E.\x8e\xc0\x8d\x73"},                              // E.実行
        // C.クリップボードにコピー
        {kMenuCopy,
         "C.\x83\x4e\x83\x8a\x83\x62\x83\x76\x83\x7b\x81\x5b\x83\x68"
         "\x82\xc9\x83\x52\x83\x73\x81\x5b"},
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
