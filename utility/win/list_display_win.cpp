#include <windows.h>
#include <commctrl.h>

#include "utility/win/list_display_win.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "common/sjis.h"
#include "common/text_lines.h"

#include "common/screens_win.h"
#include "common/window_text_win.h"
#include "utility/resources/texts.h"
#include "utility/rules/list_rows.h"
#include "utility/rules/text_widths.h"
#include "utility/win/folder_walk_win.h"
#include "utility/win/utility_app_win.h"

namespace {

// The real file system, with the question and the window texts of a running listing.
class ShownListing : public SystemFolders {
  public:
    bool AskToContinue() override {
        return MessageBoxOnScreen(ui.mainWindow, kContinueQuestion, kConfirmCaption,
                                  MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    void WalkStarted(const std::string& folder, bool top) override {
        SetWindowTextA(ui.mainWindow, folder.c_str());
        if (top) SetWindowTextA(ui.noteTextBox, folder.c_str());
    }
    void WalkEnded() override { SetWindowTextA(ui.inputLine, ""); }
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

// The advances of the list view's font, kept while the font stays.
CharAdvances& ListViewAdvances(HWND listView) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(listView, WM_GETFONT, 0, 0));
    if (font != ui.listAdvancesFont) ui.listAdvances.Forget();
    ui.listAdvancesFont = font;
    return ui.listAdvances;
}

void MeasureListViewFont(HWND listView, CharAdvances& advances) {
    HDC dc = GetDC(listView);
    HFONT font = ui.listAdvancesFont;
    HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    if (advances.SingleBytesPending()) {
        INT singles[256] = {};
        GetCharWidth32A(dc, 0, 0xFF, singles);
        advances.TakeSingleBytes(singles);
    }
    const std::string& pending = advances.DoubleBytesPending();
    if (!pending.empty()) {
        std::vector<INT> extents(pending.size());
        SIZE size{};
        GetTextExtentExPointA(dc, pending.data(), static_cast<int>(pending.size()), 0, nullptr,
                              extents.data(), &size);
        advances.TakeDoubleBytes(std::vector<int>(extents.begin(), extents.end()));
    }
    SelectObject(dc, previous);
    ReleaseDC(listView, dc);
}

// The space the list view keeps after the text of a label sized to its content.
constexpr int kLabelPadding = 12;

// The columns as the list view's own sizing to content would make them.
void SizeColumnsToContent(HWND listView, const std::vector<ListRow>& rows) {
    std::array<int, 3> widest = WidestColumnTexts(
        rows, quorvel.listing.results, quorvel.notes.index, ListViewAdvances(listView),
        [listView](CharAdvances& advances) { MeasureListViewFont(listView, advances); });
    // Set while the list view holds no row: with rows, each width change costs time per row.
    for (int column = 0; column < 3; ++column)
        SendMessageA(listView, LVM_SETCOLUMNWIDTH, column, widest[column] + kLabelPadding);
}

}  // namespace

int ListFolderShown(const std::optional<std::string>& folder, bool recurse) {
    // A listing started from within the question of another would empty the results that one
    // is still filling.
    if (quorvel.listingRuns) return quorvel.listing.results.count();
    quorvel.parentLevel = 0;
    ListingState& listing = quorvel.listing;
    listing.filterDate = quorvel.settings.filterdate;
    listing.searchMode = quorvel.settings.search;
    listing.filterDir = quorvel.settings.filterDir;
    listing.filterFile = quorvel.settings.filterFile;
    ShownListing host;
    std::string listed = folder ? *folder : WindowText(ui.inputLine);
    // The rows shown so far stand for the results this listing empties: with the question open
    // a double-click or a key would act on the wrong file, so they go first.
    quorvel.listingRuns = true;
    ShowNoteIndex();
    int count = ListFolder(listing, host, listed, recurse);
    quorvel.listingRuns = false;
    return count;
}

// The filters work on the first 255 bytes of the line, cut between whole characters.
void ReadInputText() {
    quorvel.inputText = CutAtCharBoundary(WindowText(ui.inputLine), kInputTextLimit);
}

void ShowStatusText(const std::string& text) {
    SendMessageA(ui.statusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text.c_str()));
}

void RefreshLists() {
    quorvel.boardListSource = BoardListSource(quorvel.modeState);
    FillBoardListBox(BoardListItems(quorvel.modeState, quorvel.recent, quorvel.notes.boards));
    FillBookmarkListBox();
    ShowNoteIndex();
}

void ShowNoteIndex() {
    HWND listView = ui.listView;
    ReadInputText();
    ResultList& results = quorvel.listing.results;
    std::vector<ListRow>& rows = quorvel.shownRows;
    // Unsorted and incomplete while a listing runs: nothing is shown until it has ended.
    if (quorvel.listingRuns)
        rows.clear();
    else
        rows = ListViewRows(results, quorvel.notes.index, quorvel.inputText,
                            quorvel.settings.search, quorvel.displayBuffer);
    results.rowMap.resize(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) results.rowMap[row] = rows[row].entry;
    // Without redrawing, the scroll bars are brought up to date once, at the end, instead of
    // at every change of the row count.
    SendMessageA(listView, WM_SETREDRAW, FALSE, 0);
    // Emptied first: the new rows start without the selection and focus of the old ones.
    SendMessageA(listView, LVM_SETITEMCOUNT, 0, 0);
    SizeColumnsToContent(listView, rows);
    SendMessageA(listView, LVM_SETITEMCOUNT, rows.size(), 0);
    SendMessageA(listView, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listView, nullptr, TRUE);
}

void FillRowText(NMLVDISPINFOA& info) {
    LVITEMA& item = info.item;
    if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= quorvel.shownRows.size()) return;
    // No image list is attached, so nothing is drawn.
    if (item.mask & LVIF_IMAGE) item.iImage = item.iItem;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    std::string_view text = RowText(quorvel.shownRows[item.iItem], item.iSubItem,
                                    quorvel.listing.results, quorvel.notes.index);
    std::string shown = ShownCellText(text, static_cast<std::size_t>(item.cchTextMax - 1));
    std::memcpy(item.pszText, shown.c_str(), shown.size() + 1);
}

void FillBoardListBox(const std::vector<std::string>& texts) {
    ReadInputText();
    quorvel.boardListNumbered = quorvel.parentLevel > 0;
    InsertListBoxTexts(ui.boardListBox,
                       BoardListTexts(texts, quorvel.inputText, quorvel.listing.nowDir,
                                      quorvel.parentLevel, quorvel.settings.search));
}

// Filters by the text read last: during a bookmark walk the box keeps what it is walked over.
void FillBookmarkListBox() {
    InsertListBoxTexts(ui.bookmarkListBox, BookmarkTexts(quorvel.bookmarks, quorvel.inputText,
                                                         quorvel.settings.search));
}

void ListDrives() {
    quorvel.listing.results.entries.clear();
    DWORD length = GetLogicalDriveStringsA(0, nullptr);
    if (length > 0) {
        std::string roots(length + 1, '\0');
        length = GetLogicalDriveStringsA(length, roots.data());
        for (const std::string& root : SplitAtNuls(std::string_view(roots.data(), length)))
            AddResult(quorvel.listing.results, root, root + "*", "");
    }
    ShowNoteIndex();
}

void RelistNowDir() {
    if (quorvel.listing.nowDir.empty())
        ListDrives();
    else
        ListFolderShown(quorvel.listing.nowDir, false);
}
