#include <windows.h>

#include "utility/frame/list_display.h"

#include "utility/frame/state_save.h"
#include "utility/frame/utility_app.h"
#include "utility/listing/folder_walk_win.h"

namespace {

// The real file system, with the question and the window texts of a running listing.
class ShownListing : public SystemFolders {
  public:
    bool AskToContinue() override {
        return MessageBoxA(nullptr, "まだ時間が掛かりますが、続けますか？", "確認",
                           MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    void WalkStarted(const std::string& folder, bool top) override {
        SetWindowTextA(utility.mainWindow, folder.c_str());
        if (top) SetWindowTextA(utility.noteTextBox, folder.c_str());
    }
    void WalkEnded() override { SetWindowTextA(utility.inputLine, ""); }
};

}  // namespace

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return "";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

int ListFolderShown(const std::optional<std::string>& folder, bool recurse) {
    utility.parentLevel = 0;
    ListingState& listing = utility.listing;
    listing.filterDate = utility.settings.filterdate;
    listing.searchMode = utility.settings.search;
    listing.filterDir = utility.settings.filterDir;
    listing.filterFile = utility.settings.filterFile;
    ShownListing host;
    return ListFolder(listing, host, folder ? *folder : WindowText(utility.inputLine), recurse);
}

void ReadInputText() {
    utility.inputText = WindowText(utility.inputLine);
}

// The three lists are filled by the list display, which the window does not have yet.
void RefreshLists() {}
void ShowNoteIndex() {}
void FillBookmarkListBox() {}
void RefreshAndFocusList() {
    RefreshLists();
    SetFocus(utility.listView);
}

void ListDrives() {
    utility.listing.results.entries.clear();
    DWORD length = GetLogicalDriveStringsA(0, nullptr);
    if (length == 0) return;
    std::string roots(length + 1, '\0');
    length = GetLogicalDriveStringsA(length, roots.data());
    for (std::size_t at = 0; at < length && roots[at] != '\0';) {
        std::string root = roots.c_str() + at;
        AddResult(utility.listing.results, root, root + "*", "");
        at += root.size() + 1;
    }
    ShowNoteIndex();
}

std::optional<std::string> ReadListBoxItem(HWND listBox) {
    LRESULT index = SendMessageA(listBox, LB_GETCURSEL, 0, 0);
    if (index < 0) return std::nullopt;
    LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, index, 0);
    if (length < 0) return std::nullopt;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT copied =
        SendMessageA(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

long long ShellOpen(const std::string& target, const std::string& parameters) {
    if (target.empty()) return 0;
    HINSTANCE result =
        ShellExecuteA(nullptr, "open", target.c_str(),
                      parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL);
    LogCommand(parameters.empty() ? target : target + " " + parameters);
    utility.parentLevel = 0;
    auto code = reinterpret_cast<long long>(result);
    if (code > 32) QuitUtility();
    return code;
}

void RecordRecent() {
    AddRecent(utility.recent, utility.listing.nowDir, WindowText(utility.inputLine));
}
