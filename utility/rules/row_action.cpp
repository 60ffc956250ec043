#include "utility/rules/row_action.h"

#include <algorithm>

#include "common/quotes.h"
#include "utility/model/path_text.h"
#include "utility/resources/texts.h"

int EntryOfRow(const ResultList& results, int row) {
    if (row < 0 || row >= static_cast<int>(results.rowMap.size())) return -1;
    int entry = results.rowMap[row];
    return entry >= 0 && entry < results.count() ? entry : -1;
}

std::optional<std::string> EntryPathOfRow(const ResultList& results, int row) {
    int entry = EntryOfRow(results, row);
    if (entry < 0) return std::nullopt;
    return results.entries[entry].path;
}

std::vector<std::string> PathsToDelete(const ResultList& results, const std::vector<int>& rows) {
    std::vector<std::string> paths;
    for (int row : rows) {
        std::optional<std::string> path = EntryPathOfRow(results, row);
        // A drive entry trims to "C:", the drive's current folder: never a file to delete.
        if (!path || IsDriveOrEmpty(*path)) continue;
        if (std::find(paths.begin(), paths.end(), *path) == paths.end()) paths.push_back(*path);
    }
    return paths;
}

RowAction PlanRowAction(const ResultList& results, int row, bool ctrl, std::string_view nowDir) {
    RowAction action;
    int entry = EntryOfRow(results, row);
    if (entry < 0) return action;
    const ResultEntry& found = results.entries[entry];
    if (IsFolderEntry(found)) {
        action.inputLine = found.path;
        // The entry keeps its "\*": it stays a folder entry whether or not the start works.
        action.kind = ctrl ? RowActionKind::OpenInExplorer : RowActionKind::ListFolder;
        action.target = ctrl ? QuoteIfSpaced(TrimPatternTail(found.path)) : found.path;
        return action;
    }
    if (!ctrl) {
        action.kind = RowActionKind::Open;
        action.target = found.path;
        return action;
    }
    if (nowDir.size() < 3) return action;
    action.kind = RowActionKind::OpenListedFolder;
    action.target = TrimPatternTail(nowDir);
    return action;
}

const char* DeleteQuestion(bool all) {
    return all ? kDeleteAllQuestion : kDeleteSelectedQuestion;
}
