#include "utility/frame/key_actions_win.h"

#include "common/file_io.h"
#include "common/quotes.h"
#include "common/window_text_win.h"
#include "utility/commands/list_controls_win.h"
#include "utility/commands/path_text.h"
#include "utility/commands/row_action.h"
#include "utility/frame/date_filter.h"
#include "utility/frame/history_steps.h"
#include "utility/frame/list_display_win.h"
#include "utility/frame/kept_files_win.h"
#include "utility/frame/utility_app_win.h"
#include "utility/listing/note_folder_win.h"

namespace {

bool CtrlDown() {
    return GetKeyState(VK_CONTROL) < 0;
}

void SetInputLine(const std::string& text) {
    SetWindowTextA(utility.inputLine, text.c_str());
}

void ListFolderAndShow(const std::optional<std::string>& folder) {
    ListFolderShown(folder, false);
    ShowNoteIndex();
    SetFocus(utility.inputLine);
}

}  // namespace

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

void ReloadLists() {
    utility.keySequence.Clear();
    ClearNoteLists(utility.notes);
    ReadTodayRecent();
}

bool PickItem() {
    RecordRecent();
    std::optional<std::string> text = ReadListBoxItem(utility.boardListBox, '1');
    if (!text) return false;
    if (FolderExists(*text)) {
        SetInputLine(*text);
        ListFolderAndShow(std::nullopt);
    } else {
        ShellOpen(*text);
    }
    SetInputLine(utility.inputText);
    SendMessageA(utility.inputLine, EM_SETSEL, 0, -1);
    return true;
}

void ActivateRow(int row) {
    if (utility.listingRuns) return;
    RowAction action =
        PlanRowAction(utility.listing.results, row, CtrlDown(), utility.listing.nowDir);
    if (!action.inputLine.empty()) SetInputLine(action.inputLine);
    switch (action.kind) {
        case RowActionKind::Nothing:
            return;
        case RowActionKind::ListFolder:
            ListFolderShown(action.target, false);
            RefreshAndFocusList();
            return;
        case RowActionKind::OpenInExplorer:
            ShellOpen(utility.settings.explorerexe, action.target);
            return;
        case RowActionKind::OpenListedFolder:
        case RowActionKind::Open:
            ShellOpen(action.target);
            return;
    }
}

void RunKeySequence(int controlCharacter) {
    if (!utility.keySequence.Append(controlCharacter)) return;
    std::optional<std::string> command =
        FindSequenceCommand(utility.notes.pairs, utility.keySequence.Letters());
    if (command) ShellOpen(*command);
}

void HandleDrop(HDROP drop) {
    if (DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) == 1) {
        UINT length = DragQueryFileA(drop, 0, nullptr, 0);
        std::string path(length + 1, '\0');
        path.resize(DragQueryFileA(drop, 0, path.data(), length + 1));
        SetInputLine(QuoteIfSpaced(path));
        RefreshLists();
    }
    DragFinish(drop);
    SetForegroundWindow(GetLastActivePopup(utility.mainWindow));
    SetFocus(utility.inputLine);
}

void EnterInputText() {
    if (std::optional<std::string> folder =
            TypedFolder(WindowText(utility.inputLine), FolderExists)) {
        RecordRecent();
        ListFolderShown(*folder, false);
    }
    if (!utility.notes.dataFolderNotesRead) {
        LoadNoteFolder(utility.exeFolder + "fdir", false, 0);
        utility.notes.dataFolderNotesRead = true;
    }
    ShowNoteIndex();
}

void ShowDrivesHome() {
    utility.listing.nowDir.clear();
    ListDrives();
    SetWindowTextA(utility.mainWindow, "Quorvel");
    SetWindowTextA(utility.noteTextBox, "");
}

void ToggleDateFilterShown(bool shift, bool alt) {
    DateFilterToggle toggle = ToggleDateFilter(utility.settings, shift, alt);
    if (toggle.focusCommandBox) {
        SetFocus(utility.noteCommandBox);
        return;
    }
    if (toggle.boxText) SetWindowTextA(utility.noteCommandBox, toggle.boxText->c_str());
    if (!toggle.relist) return;
    ReadInputText();
    std::string kept = utility.inputText;
    // Without a folder the drive list stands for the listing.
    if (utility.listing.nowDir.empty()) {
        utility.listing.results.entries.clear();
        ListDrives();
    } else {
        ListFolderShown(utility.listing.nowDir, false);
    }
    SetInputLine(kept);
    ShowNoteIndex();
}

void StepRecentShown(bool forward) {
    std::optional<RecentPair> pair = StepRecent(utility.recent, forward);
    if (!pair) return;
    SetWindowTextA(utility.noteTextBox, pair->folder.c_str());
    utility.listing.nowDir = pair->folder;
    ListFolderShown(pair->folder, false);
    if (!pair->text.empty()) SetInputLine(pair->text);
    ShowNoteIndex();
}

void StepBookmarkShown(bool up) {
    int count = static_cast<int>(SendMessageA(utility.bookmarkListBox, LB_GETCOUNT, 0, 0));
    if (count <= 0) return;
    utility.bookmarkCursor = StepBookmark(utility.bookmarkCursor, count, up);
    LRESULT length =
        SendMessageA(utility.bookmarkListBox, LB_GETTEXTLEN, utility.bookmarkCursor, 0);
    if (length < 0) return;
    std::string item(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT copied = SendMessageA(utility.bookmarkListBox, LB_GETTEXT, utility.bookmarkCursor,
                                  reinterpret_cast<LPARAM>(item.data()));
    item.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    SetWindowTextA(utility.noteTextBox, item.c_str());
    utility.listing.nowDir = item;
    SetInputLine(item);
    FillBookmarkListBox();
}

void EndBookmarkWalk() {
    utility.bookmarkCursor = -1;
    ReadInputText();
    if (utility.inputText.empty()) {
        QuitUtility();
    } else if (FolderExists(utility.inputText)) {
        ListFolderAndShow(std::nullopt);
    } else {
        ShellOpen(utility.inputText);
    }
}
