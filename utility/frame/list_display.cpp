#include <windows.h>
#include <commctrl.h>

#include "utility/frame/list_display.h"

#include "common/sjis.h"

#include "utility/frame/list_rows.h"
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

void InsertListBoxTexts(HWND listBox, const std::vector<std::string>& texts) {
    SendMessageA(listBox, WM_SETREDRAW, FALSE, 0);
    SendMessageA(listBox, LB_RESETCONTENT, 0, 0);
    // By index, never sorted: the order is the one the list display decided.
    for (std::size_t i = 0; i < texts.size(); ++i)
        SendMessageA(listBox, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(texts[i].c_str()));
    SendMessageA(listBox, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listBox, nullptr, TRUE);
}

void EmptyListView(HWND listView) {
    // The key handler answers this itself, so the rows go one by one, from the last one on
    // so that no row has to move up.
    SendMessageA(listView, LVM_DELETEALLITEMS, 0, 0);
    LRESULT count = SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0);
    ShowWindow(listView, SW_HIDE);
    // Hidden alone, the list view still updates its scroll bars at every row, which costs
    // more than the rows themselves: it is drawn once, when shown again.
    SendMessageA(listView, WM_SETREDRAW, FALSE, 0);
    for (LRESULT row = count - 1; row >= 0; --row) SendMessageA(listView, LVM_DELETEITEM, row, 0);
}

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
    // A listing started from within the question of another would empty the results that one
    // is still filling.
    if (utility.listingRuns) return utility.listing.results.count();
    utility.parentLevel = 0;
    ListingState& listing = utility.listing;
    listing.filterDate = utility.settings.filterdate;
    listing.searchMode = utility.settings.search;
    listing.filterDir = utility.settings.filterDir;
    listing.filterFile = utility.settings.filterFile;
    ShownListing host;
    std::string listed = folder ? *folder : WindowText(utility.inputLine);
    // The rows shown so far stand for the results this listing empties: with the question open
    // a double-click or a key would act on the wrong file, so they go first.
    utility.listingRuns = true;
    ShowNoteIndex();
    int count = ListFolder(listing, host, listed, recurse);
    utility.listingRuns = false;
    return count;
}

// The filters work on the first 255 bytes of the line, cut between whole characters.
void ReadInputText() {
    utility.inputText = CutAtCharBoundary(WindowText(utility.inputLine), kInputTextLimit);
}

void RefreshLists() {
    std::vector<std::string> sources;
    if (utility.modeState == 10) {
        for (const RecentPair& pair : utility.recent.pairs) sources.push_back(pair.folder);
    } else {
        sources = utility.notes.boards.names;
    }
    FillBoardListBox(sources);
    FillBookmarkListBox();
    ShowNoteIndex();
}

void ShowNoteIndex() {
    HWND listView = utility.listView;
    // Hiding the list view while it is rebuilt takes the focus from it; a key pressed there
    // (F10 cycling the modes) must leave it there.
    bool focused = GetFocus() == listView;
    EmptyListView(listView);
    ReadInputText();
    ResultList& results = utility.listing.results;
    if (utility.listingRuns) {
        // Unsorted and incomplete: nothing is shown until the listing has ended.
        results.rowMap.clear();
        SendMessageA(listView, WM_SETREDRAW, TRUE, 0);
        ShowWindow(listView, SW_RESTORE);
        if (focused) SetFocus(listView);
        return;
    }
    std::vector<ListRow> rows = ListViewRows(results, utility.notes.index, utility.inputText,
                                             utility.settings.search, utility.displayBuffer);
    results.rowMap.assign(rows.size(), -1);
    SendMessageA(listView, LVM_SETITEMCOUNT, rows.size(), 0);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        InsertIndexRow(static_cast<int>(row), rows[row].name, rows[row].detail, rows[row].date);
        results.rowMap[row] = rows[row].entry;
    }
    for (int column = 0; column < 3; ++column)
        SendMessageA(listView, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(LVSCW_AUTOSIZE, 0));
    SendMessageA(listView, WM_SETREDRAW, TRUE, 0);
    ShowWindow(listView, SW_RESTORE);
    if (focused) SetFocus(listView);
}

void InsertIndexRow(int row, const std::string& first, const std::string& second,
                    const std::string& third) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.iImage = row;
    item.pszText = const_cast<char*>(first.c_str());
    int at = static_cast<int>(
        SendMessageA(utility.listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (at < 0) return;
    LVITEMA sub{};
    sub.mask = LVIF_TEXT;
    sub.iItem = at;
    sub.iSubItem = 1;
    sub.pszText = const_cast<char*>(second.c_str());
    SendMessageA(utility.listView, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&sub));
    if (third.empty()) return;
    sub.iSubItem = 2;
    sub.pszText = const_cast<char*>(third.c_str());
    SendMessageA(utility.listView, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&sub));
}

void FillBoardListBox(const std::vector<std::string>& texts) {
    ReadInputText();
    utility.boardListNumbered = utility.parentLevel > 0;
    InsertListBoxTexts(utility.boardListBox,
                       BoardListTexts(texts, utility.inputText, utility.listing.nowDir,
                                      utility.parentLevel, utility.settings.search));
}

// Filters by the text read last: during a bookmark walk the box keeps what it is walked over.
void FillBookmarkListBox() {
    InsertListBoxTexts(utility.bookmarkListBox, BookmarkTexts(utility.bookmarks, utility.inputText,
                                                              utility.settings.search));
}

void ListDrives() {
    utility.listing.results.entries.clear();
    DWORD length = GetLogicalDriveStringsA(0, nullptr);
    if (length > 0) {
        std::string roots(length + 1, '\0');
        length = GetLogicalDriveStringsA(length, roots.data());
        for (std::size_t at = 0; at < length && roots[at] != '\0';) {
            std::string root = roots.c_str() + at;
            AddResult(utility.listing.results, root, root + "*", "");
            at += root.size() + 1;
        }
    }
    ShowNoteIndex();
}
