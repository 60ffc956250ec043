#include "utility/commands/file_operations.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "utility/commands/list_commands.h"
#include "utility/commands/path_text.h"
#include "utility/commands/recycle_file.h"
#include "utility/commands/row_action.h"
#include "utility/frame/list_display.h"
#include "utility/frame/utility_app.h"

namespace {

std::vector<int> CollectRows(bool all) {
    std::vector<int> rows;
    int count = static_cast<int>(SendMessageA(utility.listView, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        if (all || SendMessageA(utility.listView, LVM_GETITEMSTATE, row, LVIS_SELECTED) != 0)
            rows.push_back(row);
    }
    return rows;
}

}  // namespace

void DeleteRows(bool all, bool selected) {
    std::vector<int> rows = CollectRows(all || !selected);
    const char* question = all ? "すべて削除しますか？" : "選択ファイルを削除しますか？";
    if (MessageBoxA(nullptr, question, "ファイル削除", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        RefreshAndFocusList();
        return;
    }
    std::vector<std::string> paths;
    for (int row : rows) {
        int entry = EntryOfRow(utility.listing.results, row);
        if (entry < 0) continue;
        const std::string& path = utility.listing.results.entries[entry].path;
        // A drive entry trims to "C:", the drive's current folder: never a file to delete.
        if (!IsDriveOrEmpty(path)) paths.push_back(path);
    }
    for (const std::string& path : paths) RecycleFile(path);
    if (utility.listing.nowDir.empty())
        ListDrives();
    else
        ListFolderShown(utility.listing.nowDir, false);
    RefreshAndFocusList();
}

void ForgetPendingTransfer() {
    utility.pending.pendingText.clear();
    utility.pending.pendingKind = 0;
}
