#include "utility/win/recycle_file_win.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "common/file_io.h"
#include "common/screens_win.h"
#include "utility/model/path_text.h"
#include "utility/resources/texts.h"
#include "utility/rules/delete_rules.h"
#include "utility/rules/row_action.h"
#include "utility/win/list_controls_win.h"
#include "utility/win/list_display_win.h"
#include "utility/win/utility_app_win.h"

namespace {

std::string EnvironmentText(const char* name) {
    char text[MAX_PATH * 2] = {};
    DWORD length = GetEnvironmentVariableA(name, text, sizeof text);
    return length > 0 && length < sizeof text ? std::string(text, length) : std::string();
}

bool UnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Wine's name for a Unix path, through the drive that maps the Unix root.
std::string DosPathOf(const std::string& unixPath) {
    using DosFileName = WCHAR*(CDECL*)(const char*);
    auto convert = reinterpret_cast<DosFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    WCHAR* wide = convert ? convert(unixPath.c_str()) : nullptr;
    if (!wide) return std::string();
    char narrow[MAX_PATH * 2] = {};
    int length = WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, wide);
    return length > 0 ? std::string(narrow) : std::string();
}

// Windows warns by itself where its bin cannot take an item (FOF_WANTNUKEWARNING). Wine's
// "recycle" deletes for good, unasked, when the Unix user has no data folder to make its bin in.
bool RecycleBinTakesFiles() {
    if (!UnderWine()) return true;
    WineDataFolder parent =
        WineTrashParent(EnvironmentText("XDG_DATA_HOME"), EnvironmentText("WINEHOMEDIR"));
    std::string folder = parent.unixPath.empty() ? parent.dosPath : DosPathOf(parent.unixPath);
    return !folder.empty() && FolderExists(folder);
}

bool DeleteOne(const std::string& path, FILEOP_FLAGS flags) {
    std::string trimmed = TrimPatternTail(path);
    if (trimmed.empty()) return false;
    std::string from = trimmed + '\0';  // the shell takes a list ended by an empty entry
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = flags;
    bool reported = SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
    return reported && !MayExist(trimmed);
}

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

bool RecycleFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) return true;
    FILEOP_FLAGS flags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_WANTNUKEWARNING;
    if (!RecycleBinTakesFiles()) {
        if (MessageBoxOnScreen(ui.mainWindow, kNoRecycleBinQuestion, kDeleteCaption,
                               MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
            ShowStatusText(kNotDeletedText);
            return false;
        }
        flags = FOF_SILENT | FOF_NOCONFIRMATION;
    }
    std::string stays;
    for (const std::string& path : paths)
        if (!DeleteOne(path, flags) && stays.empty()) stays = TrimPatternTail(path);
    if (!stays.empty()) ShowStatusText(std::string(kDeleteFailedText) + stays);
    return stays.empty();
}

void DeleteRows(bool all, bool selected) {
    if (quorvel.listingRuns) return;
    // The rows' files are fixed before the question, so the answer deletes what was shown.
    std::vector<std::string> paths =
        PathsToDelete(quorvel.listing.results, CollectRows(all || !selected));
    if (MessageBoxOnScreen(ui.mainWindow, DeleteQuestion(all), kDeleteCaption,
                           MB_YESNO | MB_ICONQUESTION) != IDYES) {
        RefreshAndFocusList();
        return;
    }
    // What could not be deleted stays listed, and the status bar names it.
    RecycleFiles(paths);
    RelistNowDir();
    RefreshAndFocusList();
}
