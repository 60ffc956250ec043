#include "utility/win/file_operations_win.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "utility/win/list_controls_win.h"
#include "utility/model/path_text.h"
#include "utility/win/recycle_file_win.h"
#include "utility/rules/row_action.h"
#include "utility/win/list_display_win.h"
#include "utility/win/utility_app_win.h"
#include "common/screens_win.h"

namespace {

std::vector<int> CollectRows(bool all) {
    std::vector<int> rows;
    int count = static_cast<int>(SendMessageA(ui.listView, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        if (all || SendMessageA(ui.listView, LVM_GETITEMSTATE, row, LVIS_SELECTED) != 0)
            rows.push_back(row);
    }
    return rows;
}

}  // namespace

void DeleteRows(bool all, bool selected) {
    if (quorvel.listingRuns) return;
    // The rows' files are fixed before the question, so the answer deletes what was shown.
    std::vector<std::string> paths =
        PathsToDelete(quorvel.listing.results, CollectRows(all || !selected));
    if (MessageBoxOnScreen(ui.mainWindow, DeleteQuestion(all), "ファイル削除",
                           MB_YESNO | MB_ICONQUESTION) != IDYES) {
        RefreshAndFocusList();
        return;
    }
    // What could not be deleted stays listed, and the status bar names it.
    RecycleFiles(paths);
    RelistNowDir();
    RefreshAndFocusList();
}

void ForgetPendingTransfer() {
    quorvel.pending.Forget();
}
