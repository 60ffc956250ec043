#include "launcher/frame/main_menu_items.h"

#include "common/sjis.h"

std::vector<MenuEntry> MainMenuItems(const std::vector<std::string>& folderBoards,
                                     const std::vector<std::string>& outsideBoards) {
    std::vector<MenuEntry> items = {
        {kMainEnd, "\x8f\x49\x97\xb9"},                              // 終了
        {kMainNewNote, "\x90\x56\x82\xb5\x82\xa2\x95\x74\xe2\xb3"},  // 新しい付箋
        // 新しい付箋ファイル
        {kMainNewNoteFile,
         "\x90\x56\x82\xb5\x82\xa2\x95\x74\xe2\xb3\x83\x74\x83\x40\x83\x43\x83\x8b"},
        {kMainHelp, "\x83\x77\x83\x8b\x83\x76"},                      // ヘルプ
        {kMainMiniTool, "\x83\x7e\x83\x6a\x83\x63\x81\x5b\x83\x8b"},  // ミニツール
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
