#include "launcher/frame/main_menu_items.h"

#include "common/sjis.h"
#include "launcher/resources/texts.h"

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
