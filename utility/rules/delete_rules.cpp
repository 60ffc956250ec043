#include "utility/rules/delete_rules.h"

#include <algorithm>

#include "common/sjis.h"

std::optional<std::string> BoardFileToDelete(const BoardList& boards, const std::string& exeFolder,
                                             std::string_view name) {
    auto found = std::find(boards.names.begin(), boards.names.end(), name);
    if (found == boards.names.end()) return std::nullopt;
    std::size_t at = static_cast<std::size_t>(found - boards.names.begin());
    bool past = at < boards.pastFlag.size() && boards.pastFlag[at] == 1;
    // A board of the data folder of the same name may have been made since the old ones were
    // read: it is not the file that was shown.
    if (past && !ContainsChar(name, '\\'))
        return PastNoteFolderPath(exeFolder) + "\\" + std::string(name);
    return BoardFilePath(exeFolder, std::string(name));
}

BoxDeleteKind PlanBoxDelete(BoardBoxSource source, bool cutToParents, std::string_view item,
                            const BoardList& boards, const std::string& exeFolder) {
    // A parent folder is made from the items: it is no entry of any list, let alone a board.
    if (cutToParents) return BoxDeleteKind::LineOnly;
    if (source == BoardBoxSource::History) return BoxDeleteKind::HistoryEntry;
    if (BoardFileToDelete(boards, exeFolder, item)) return BoxDeleteKind::BoardFile;
    return BoxDeleteKind::LineOnly;
}

WineDataFolder WineTrashParent(std::string_view xdgDataHome, std::string_view wineHomeDir) {
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/') return {std::string(xdgDataHome), {}};
    constexpr std::string_view kNtPrefix = "\\??\\";
    if (wineHomeDir.substr(0, kNtPrefix.size()) != kNtPrefix) return {};
    std::string home(wineHomeDir.substr(kNtPrefix.size()));
    if (home.empty()) return {};
    // A name such as 表 ends in the byte of "\": only a whole one ends the folder.
    if (FindLastChar(home, '\\') + 1 != home.size()) home += '\\';
    return {{}, home + ".local\\share"};
}
