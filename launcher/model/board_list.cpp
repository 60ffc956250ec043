#include "launcher/model/board_list.h"

#include <algorithm>

#include "common/sjis.h"
#include "common/text_lines.h"

bool LiesInDataFolder(std::string_view path, std::string_view dataFolder) {
    if (path.size() <= dataFolder.size() || !StartsWithIgnoringCase(path, dataFolder)) return false;
    // "fdir2\a.txt" begins like "fdir" but lies beside the folder: it is an outside board.
    char next = path[dataFolder.size()];
    bool folderEnded =
        !dataFolder.empty() && FindLastChar(dataFolder, '\\') == dataFolder.size() - 1;
    return next == '\\' || next == '/' || folderEnded;
}

void AddOutsideBoard(std::vector<std::string>& outsideBoards, std::string_view path,
                     std::string_view dataFolder) {
    if (path.empty() || LiesInDataFolder(path, dataFolder)) return;
    if (std::find(outsideBoards.begin(), outsideBoards.end(), path) != outsideBoards.end()) return;
    outsideBoards.emplace_back(path);
}

void ReadOutsideList(std::vector<std::string>& outsideBoards, std::string_view text,
                     std::string_view dataFolder) {
    for (const std::string& line : SplitLines(text))
        AddOutsideBoard(outsideBoards, line, dataFolder);
}

std::optional<std::string> KnownBoardsText(std::vector<std::string>& outsideBoards,
                                           const std::function<bool(const std::string&)>& isFile) {
    if (outsideBoards.empty()) return std::nullopt;
    std::string text;
    for (std::string& entry : outsideBoards) {
        if (entry.empty() || !isFile(entry)) {
            entry.clear();
            continue;
        }
        text += entry;
        text += '\n';
    }
    return text;
}

SwitchedBoard PlanBoardSwitch(std::string_view path, const std::string& currentName,
                              std::string_view dataFolder, std::string_view deletedFolder) {
    SwitchedBoard to;
    std::size_t slash = FindLastChar(path, '\\');
    to.name = slash == std::string_view::npos ? currentName : std::string(path.substr(slash + 1));
    to.deletedNotesPath = std::string(deletedFolder) + "\\";
    to.deletedNotesPath += LiesInDataFolder(path, dataFolder) ? to.name : "outside.txt";
    return to;
}

bool ShowsSwitchedBoard(const std::optional<std::string>& text) {
    return text && !text->empty();
}
