#include "utility/win/key_actions_win.h"

#include "common/file_io.h"
#include "common/quotes.h"
#include "common/window_text_win.h"
#include "utility/model/path_text.h"
#include "utility/rules/key_commands.h"
#include "utility/rules/row_action.h"
#include "utility/rules/state_files.h"
#include "utility/win/kept_files_win.h"
#include "utility/win/list_controls_win.h"
#include "utility/win/list_display_win.h"
#include "utility/win/note_folder_win.h"
#include "utility/win/utility_app_win.h"

namespace {

void SetInputLine(const std::string& text) {
    SetWindowTextA(ui.inputLine, text.c_str());
}

void ListFolderAndShow(const std::optional<std::string>& folder) {
    ListFolderShown(folder, false);
    ShowNoteIndex();
    SetFocus(ui.inputLine);
}

}  // namespace

long long ShellOpen(const std::string& target, const std::string& parameters) {
    if (target.empty()) return 0;
    HINSTANCE result =
        ShellExecuteA(nullptr, "open", target.c_str(),
                      parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL);
    LogCommand(CommandLogLine(target, parameters));
    quorvel.parentLevel = 0;
    auto code = reinterpret_cast<long long>(result);
    if (code > 32) QuitUtility();
    return code;
}

void ListOrStart(const std::string& text) {
    // A folder entry's path ends in its pattern; the folder itself is what exists.
    if (FolderExists(TrimPatternTail(text))) {
        SetInputLine(text);
        ListFolderAndShow(std::nullopt);
    } else {
        ShellOpen(text);
    }
}

void RecordRecent() {
    AddRecent(quorvel.recent, quorvel.listing.nowDir, WindowText(ui.inputLine));
}

void ReloadLists() {
    quorvel.keySequence.Clear();
    ClearNoteLists(quorvel.notes);
    ReadTodayRecent();
}

bool PickItem() {
    RecordRecent();
    std::optional<std::string> text = ReadListBoxItem(ui.boardListBox, '1');
    if (!text) return false;
    ListOrStart(*text);
    SetInputLine(quorvel.inputText);
    SendMessageA(ui.inputLine, EM_SETSEL, 0, -1);
    return true;
}

void ActivateRow(int row) {
    if (quorvel.listingRuns) return;
    RowAction action =
        PlanRowAction(quorvel.listing.results, row, KeyHeld(VK_CONTROL), quorvel.listing.nowDir);
    if (!action.inputLine.empty()) SetInputLine(action.inputLine);
    switch (action.kind) {
        case RowActionKind::Nothing:
            return;
        case RowActionKind::ListFolder:
            ListFolderShown(action.target, false);
            RefreshAndFocusList();
            return;
        case RowActionKind::OpenInExplorer:
            ShellOpen(quorvel.settings.explorerexe, action.target);
            return;
        case RowActionKind::OpenListedFolder:
        case RowActionKind::Open:
            ShellOpen(action.target);
            return;
    }
}

void RunKeySequence(int controlCharacter) {
    if (!quorvel.keySequence.Append(controlCharacter)) return;
    std::optional<std::string> command =
        FindSequenceCommand(quorvel.notes.pairs, quorvel.keySequence.Letters());
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
    SetForegroundWindow(GetLastActivePopup(ui.mainWindow));
    SetFocus(ui.inputLine);
}

void EnterInputText() {
    if (std::optional<std::string> folder = TypedFolder(WindowText(ui.inputLine), FolderExists)) {
        RecordRecent();
        ListFolderShown(*folder, false);
    }
    if (!quorvel.notes.dataFolderNotesRead) {
        LoadNoteFolder(NoteFolderPath(quorvel.exeFolder), false, 0);
        quorvel.notes.dataFolderNotesRead = true;
    }
    ShowNoteIndex();
}

void ShowDrivesHome() {
    quorvel.listing.nowDir.clear();
    ListDrives();
    SetWindowTextA(ui.mainWindow, "Quorvel");
    SetWindowTextA(ui.noteTextBox, "");
}

void ToggleDateFilterShown(bool shift, bool alt) {
    DateFilterToggle toggle = ToggleDateFilter(quorvel.settings, shift, alt);
    if (toggle.focusCommandBox) {
        SetFocus(ui.noteCommandBox);
        return;
    }
    if (toggle.boxText) SetWindowTextA(ui.noteCommandBox, toggle.boxText->c_str());
    if (!toggle.relist) return;
    ReadInputText();
    std::string kept = quorvel.inputText;
    RelistNowDir();
    SetInputLine(kept);
    ShowNoteIndex();
}

void StepRecentShown(bool forward) {
    std::optional<RecentPair> pair = StepRecent(quorvel.recent, forward);
    if (!pair) return;
    SetWindowTextA(ui.noteTextBox, pair->folder.c_str());
    quorvel.listing.nowDir = pair->folder;
    ListFolderShown(pair->folder, false);
    if (!pair->text.empty()) SetInputLine(pair->text);
    ShowNoteIndex();
}

void StepBookmarkShown(bool up) {
    int count = static_cast<int>(SendMessageA(ui.bookmarkListBox, LB_GETCOUNT, 0, 0));
    if (count <= 0) return;
    quorvel.bookmarkCursor = StepBookmark(quorvel.bookmarkCursor, count, up);
    LRESULT length = SendMessageA(ui.bookmarkListBox, LB_GETTEXTLEN, quorvel.bookmarkCursor, 0);
    if (length < 0) return;
    std::string item(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT copied = SendMessageA(ui.bookmarkListBox, LB_GETTEXT, quorvel.bookmarkCursor,
                                  reinterpret_cast<LPARAM>(item.data()));
    item.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    SetWindowTextA(ui.noteTextBox, item.c_str());
    quorvel.listing.nowDir = item;
    SetInputLine(item);
    FillBookmarkListBox();
}

void EndBookmarkWalk() {
    quorvel.bookmarkCursor = -1;
    ReadInputText();
    if (quorvel.inputText.empty())
        QuitUtility();
    else
        ListOrStart(quorvel.inputText);
}
