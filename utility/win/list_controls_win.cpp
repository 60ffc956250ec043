#include "utility/win/list_controls_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include "common/clipboard_win.h"
#include "common/quotes.h"
#include "common/screens_win.h"
#include "common/window_text_win.h"
#include "utility/model/mode_cycle.h"
#include "utility/model/path_text.h"
#include "utility/model/stamp_list.h"
#include "utility/resources/texts.h"
#include "utility/rules/delete_rules.h"
#include "utility/rules/list_keys.h"
#include "utility/rules/list_rows.h"
#include "utility/rules/row_action.h"
#include "utility/win/input_line_win.h"
#include "utility/win/kept_files_win.h"
#include "utility/win/key_actions_win.h"
#include "utility/win/list_display_win.h"
#include "utility/win/note_folder_win.h"
#include "utility/win/recycle_file_win.h"
#include "utility/win/transfer_shell_win.h"
#include "utility/win/utility_app_win.h"

namespace {

void FocusInput() {
    SetFocus(ui.inputLine);
}

int FocusedRow() {
    return static_cast<int>(
        SendMessageA(ui.listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

int RowCount() {
    return static_cast<int>(SendMessageA(ui.listView, LVM_GETITEMCOUNT, 0, 0));
}

// From the lists behind the rows, not from the control: it hands a text out only as far as the
// buffer it is given, and a note string has no such limit.
std::string ShownText(int row, int column) {
    if (row < 0 || static_cast<std::size_t>(row) >= quorvel.shownRows.size()) return std::string();
    return std::string(
        RowText(quorvel.shownRows[row], column, quorvel.listing.results, quorvel.notes.index));
}

void SetRowState(int row, UINT state, UINT mask) {
    LVITEMA item{};
    item.stateMask = mask;
    item.state = state;
    SendMessageA(ui.listView, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

void MessageText(const char* text) {
    MessageBoxOnScreen(ui.mainWindow, text, kMessageCaption, MB_OK);
}

// Marnelo takes the board; the second start without a board brings its notes to the front.
void OpenInLauncher(const std::string& board) {
    ShellOpen(quorvel.launcherPath, QuoteIfSpaced(board));
    Sleep(100);
    ShellExecuteA(nullptr, "open", quorvel.launcherPath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// F6 to F9: the key's command from the settings, planned on what the list offers it.
void RunCommandKey(const ListKeyDecision& d,
                   CommandPlan (*plan)(std::string_view, const std::optional<std::string>&),
                   const std::optional<std::string>& target) {
    const std::string& command = quorvel.settings.commands[d.command];
    CommandPlan planned = plan(command, target);
    if (planned.kind == CommandKind::NotRegistered) MessageText(kNotRegisteredText);
    if (planned.kind == CommandKind::Run) ShellOpen(command, planned.parameters);
}

void ApplyMode(const ModeStep& step) {
    quorvel.modeState = step.modeState;
    SetWindowTextA(ui.mainWindow, step.title.c_str());
    ShowStatusText(step.statusText);
    if (step.refreshLists) RefreshLists();
}

std::optional<std::string> FocusedEntryPath() {
    int row = FocusedRow();
    if (row < 0) return std::nullopt;
    return EntryPathOfRow(quorvel.listing.results, row);
}

void ParentOfInputShown() {
    DWORD end = 0;
    SendMessageA(ui.inputLine, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    ParentStep step =
        ParentOfInput(WindowText(ui.inputLine), static_cast<int>(end), quorvel.listing.nowDir);
    if (step.kind == ParentKind::SetInput) SetWindowTextA(ui.inputLine, step.text.c_str());
    if (step.kind == ParentKind::ListDrives) {
        ListDrives();
        SetWindowTextA(ui.inputLine, "");
    }
}

// Down or Up in the list view: past either end it wraps round; true when consumed.
bool StepListView(bool down) {
    int count = RowCount();
    WrapStep step = StepWithWrap(count, FocusedRow(), down);
    if (step.kind == WrapKind::Empty) {
        FocusInput();
        return false;
    }
    if (step.kind == WrapKind::Standard) {
        ShowNotePair(step.index);
        return false;
    }
    SetRowState(-1, 0, LVIS_SELECTED);
    SetRowState(step.index, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    SendMessageA(ui.listView, LVM_ENSUREVISIBLE, static_cast<WPARAM>(step.index), FALSE);
    ShowNotePair(step.index);
    return true;
}

// Down or Up in the board list box: true when consumed.
bool StepBoardList(bool down) {
    int count = static_cast<int>(SendMessageA(ui.boardListBox, LB_GETCOUNT, 0, 0));
    int current = static_cast<int>(SendMessageA(ui.boardListBox, LB_GETCURSEL, 0, 0));
    WrapStep step = StepWithWrap(count, current, down);
    if (step.kind == WrapKind::Empty) FocusInput();
    if (step.kind != WrapKind::Wrap) return false;
    SendMessageA(ui.boardListBox, LB_SETCURSEL, static_cast<WPARAM>(step.index), 0);
    return true;
}

// Only a board's own name sends a file away; any other item is an entry of a list (the day's
// history) or a line the box made, and leaves only its list.
void DeleteBoardItem(const std::optional<std::string>& item) {
    if (!item) return;
    BoxDeleteKind kind = PlanBoxDelete(quorvel.boardListSource, quorvel.boardListNumbered, *item,
                                       quorvel.notes.boards, quorvel.exeFolder);
    if (MessageBoxOnScreen(ui.mainWindow, kDeleteItemQuestion, item->c_str(),
                           MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    // A board whose file stays keeps its line, which the status bar explains.
    if (kind == BoxDeleteKind::BoardFile && !DeleteBoardFile(*item)) return;
    if (kind == BoxDeleteKind::HistoryEntry && RemoveRecentFolder(quorvel.recent, *item))
        SaveRecentFile();
    LRESULT selected = SendMessageA(ui.boardListBox, LB_GETCURSEL, 0, 0);
    if (selected >= 0)
        SendMessageA(ui.boardListBox, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    if (SendMessageA(ui.boardListBox, LB_GETCURSEL, 0, 0) == 0) FocusInput();
}

// How a list answers the keys both lists share: how it steps, how a command is planned on it and
// what it offers the command; `own` takes the list's other actions and returns whether the key
// goes no further when its handling ends there, `ownChar` the list's actions of a character.
struct ListSide {
    bool (*step)(bool down);
    CommandPlan (*plan)(std::string_view, const std::optional<std::string>&);
    std::optional<std::string> (*target)(WPARAM key);
    std::optional<bool> (*own)(const ListKeyDecision& d, WPARAM key);
    void (*ownChar)(const ListKeyDecision& d, WPARAM character);
};

// A list's actions of a key-down; true when the key goes no further.
bool ListKeyAction(const ListKeyDecision& d, const ListSide& side, WPARAM key) {
    switch (d.action) {
        case ListKey::ArrowDown:
        case ListKey::ArrowUp:
            return side.step(d.action == ListKey::ArrowDown);
        case ListKey::RunCommand:
            RunCommandKey(d, side.plan, side.target(key));
            break;
        case ListKey::CycleMode:
            CycleModeShown();
            break;
        default:
            if (std::optional<bool> consumed = side.own(d, key)) return *consumed;
            break;
    }
    if (d.focusInput) FocusInput();
    return false;
}

std::optional<std::string> BoardListItem(WPARAM key) {
    return ReadListBoxItem(ui.boardListBox, static_cast<unsigned>(key));
}

std::optional<bool> BoardListOwnAction(const ListKeyDecision& d, WPARAM key) {
    switch (d.action) {
        case ListKey::OpenBoard:
            if (std::optional<std::string> board = BoardListItem(key)) {
                if (IsPastBoard(quorvel.notes.boards, *board))
                    MessageText(kPastBoardText);
                else
                    OpenInLauncher(*board);
            }
            break;
        case ListKey::DeleteBoard:
            DeleteBoardItem(BoardListItem(key));
            break;
        case ListKey::ListItem:
            if (std::optional<std::string> folder = BoardListItem(key)) {
                SetWindowTextA(ui.inputLine, folder->c_str());
                ListFolderShown(std::nullopt, false);
                ShowNoteIndex();
                FocusInput();
            }
            break;
        case ListKey::TakeItem:
            if (std::optional<std::string> text = BoardListItem(key))
                SetWindowTextA(ui.inputLine, text->c_str());
            break;
        default:
            break;
    }
    return std::nullopt;
}

void BoardListOwnChar(const ListKeyDecision& d, WPARAM character) {
    ShellTransferHost host;
    if (d.action == ListKey::Transfer)
        StartTransfer(quorvel.pending, host, static_cast<int>(character),
                      BoardListItem(0).value_or(""));
    if (d.action == ListKey::Paste) Paste(quorvel.pending, host, BoardListItem(0).value_or(""));
}

std::optional<std::string> FocusedEntryPathFor(WPARAM) {
    return FocusedEntryPath();
}

std::optional<bool> ListViewOwnAction(const ListKeyDecision& d, WPARAM) {
    switch (d.action) {
        case ListKey::OpenRowBoard:
            // An entry row's column 0 is a file or folder name, never a board.
            if (std::optional<std::string> path = FocusedEntryPath())
                ListOrStart(*path);
            else if (FocusedRow() >= 0)
                OpenInLauncher(ShownText(FocusedRow(), 0));
            break;
        case ListKey::DeleteRows:
            DeleteRows(false, true);
            break;
        case ListKey::SelectFocusedRow:
            // The list view's own Ctrl+Space would toggle the selection off again.
            if (FocusedRow() >= 0) SetRowState(FocusedRow(), LVIS_SELECTED, LVIS_SELECTED);
            return true;
        case ListKey::AddBookmark:
            if (std::optional<std::string> path = FocusedEntryPath()) {
                AddBookmark(quorvel.bookmarks, quorvel.bookmarkCursor, TrimPatternTail(*path));
                FillBookmarkListBox();
            }
            break;
        case ListKey::ParentOfInput:
            FocusInput();
            ParentOfInputShown();
            return false;
        default:
            break;
    }
    return std::nullopt;
}

void ListViewOwnChar(const ListKeyDecision& d, WPARAM) {
    if (d.action == ListKey::CopyNoteString && FocusedRow() >= 0)
        PutTextOnClipboard(ui.mainWindow, ShownText(FocusedRow(), 1));
    if (d.action == ListKey::CopyEntryPath)
        if (std::optional<std::string> path = FocusedEntryPath())
            PutTextOnClipboard(ui.mainWindow, ClipboardPath(*path, KeyHeld(VK_SHIFT)));
}

const ListSide kBoardListSide{StepBoardList, PlanCommandWithText, BoardListItem, BoardListOwnAction,
                              BoardListOwnChar};
const ListSide kListViewSide{StepListView, PlanCommandOnRow, FocusedEntryPathFor, ListViewOwnAction,
                             ListViewOwnChar};

// A list's actions of a character; a paste, like a typed character, goes on to the input line.
void ListCharAction(const ListKeyDecision& d, const ListSide& side, WPARAM character,
                    LPARAM lParam) {
    side.ownChar(d, character);
    if (d.action == ListKey::SendToInputLine) {
        // Setting a taken item leaves the caret at the start: a character typed on follows the
        // text, as typed in the input line itself.
        int end = GetWindowTextLengthA(ui.inputLine);
        SendMessageA(ui.inputLine, EM_SETSEL, static_cast<WPARAM>(end), end);
    }
    if (d.action == ListKey::SendToInputLine || d.action == ListKey::Paste)
        SendMessageA(ui.inputLine, WM_CHAR, character, lParam);
}

// Each line is started as it stands; nothing is logged and Quorvel stays.
void OpenSelectedLines(HWND box) {
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    for (const std::string& line :
         LinesToOpen(WindowText(box), static_cast<int>(start), static_cast<int>(end)))
        ShellExecuteA(nullptr, "open", line.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// F10 arrives as a system key, like a key pressed with Alt.
bool IsKeyDown(UINT message, WPARAM key) {
    return message == WM_KEYDOWN || (message == WM_SYSKEYDOWN && key == VK_F10);
}

// Passed on, F10 would put the window into its menu mode, which takes the next keys.
bool IsSystemF10(UINT message, WPARAM key) {
    return (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) && key == VK_F10;
}

// While a listing asks whether to go on, the lists stand for no finished result.
bool IgnoredWhileListing(UINT message) {
    return quorvel.listingRuns && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN ||
                                   message == WM_CHAR || message == WM_LBUTTONDBLCLK);
}

}  // namespace

void CycleModeShown() {
    ApplyMode(CycleMode(quorvel.modeState));
}

LRESULT CALLBACK ListBoxKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = ui.previousBoardList;
    if (IgnoredWhileListing(message)) return 0;
    if (message == WM_SYSKEYUP && IsSystemF10(message, wParam)) return 0;
    if (IsKeyDown(message, wParam)) {
        ListKeyDecision d =
            BoardListKeyDown(static_cast<unsigned>(wParam), KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT));
        bool consumed = ListKeyAction(d, kBoardListSide, wParam);
        if (consumed || IsSystemF10(message, wParam)) return 0;
        if (d.pass == ListKeyPass::StandardOnly)
            return CallWindowProcA(previous, window, message, wParam, lParam);
        if (d.pass == ListKeyPass::InputLineControlKeys) previous = ui.previousInputLine;
    } else if (message == WM_CHAR) {
        ListKeyDecision d = BoardListChar(static_cast<unsigned>(wParam), KeyHeld(VK_CONTROL));
        ListCharAction(d, kBoardListSide, wParam, lParam);
        if (d.pass == ListKeyPass::Consumed) return 0;
    }
    return HandleControlKey(window, message, wParam, lParam, previous);
}

LRESULT CALLBACK ListViewKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IgnoredWhileListing(message)) return 0;
    if (message == WM_SYSKEYUP && IsSystemF10(message, wParam)) return 0;
    if (IsKeyDown(message, wParam)) {
        ListKeyDecision d = ListViewKeyDown(static_cast<unsigned>(wParam), KeyHeld(VK_CONTROL));
        if (ListKeyAction(d, kListViewSide, wParam) || IsSystemF10(message, wParam)) return 0;
    } else if (message == WM_CHAR) {
        ListKeyDecision d = ListViewChar(static_cast<unsigned>(wParam), KeyHeld(VK_CONTROL));
        ListCharAction(d, kListViewSide, wParam, lParam);
        if (d.pass == ListKeyPass::Consumed) return 0;
    } else if (message == WM_NOTIFY && FocusedRow() >= 0) {
        ShowNotePair(FocusedRow());
    }
    return HandleControlKey(window, message, wParam, lParam, ui.previousListView);
}

LRESULT CALLBACK NoteBoxKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = window == ui.noteCommandBox ? ui.previousCommandBox : ui.previousTextBox;
    if (message == WM_KEYDOWN) OpenSelectedLines(window);
    return HandleControlKey(window, message, wParam, lParam, previous);
}

std::optional<std::string> ReadListBoxItem(HWND listBox, unsigned key) {
    bool boardList = listBox == ui.boardListBox;
    std::optional<int> found = ListBoxItemIndex(
        key, boardList, static_cast<int>(SendMessageA(listBox, LB_GETCURSEL, 0, 0)),
        static_cast<int>(SendMessageA(listBox, LB_GETCOUNT, 0, 0)));
    if (!found) return std::nullopt;
    WPARAM index = static_cast<WPARAM>(*found);
    LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, index, 0);
    if (length < 0) return std::nullopt;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT copied =
        SendMessageA(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    if (!boardList) return text;
    return WithoutDigitPrefix(text, static_cast<int>(index), quorvel.boardListNumbered);
}

void FirstRowFocus() {
    if (RowCount() <= 0) RefreshLists();
    if (RowCount() <= 0) return;
    SetFocus(ui.listView);
    SetRowState(0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    ShowNotePair(0);
}

void RefreshAndFocusList() {
    RefreshLists();
    SetFocus(ui.listView);
    SetRowState(0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
}

void ShowNotePair(int row) {
    if (row < 0) return;
    const NotePair* pair = PairOfNote(quorvel.notes.pairs, ShownText(row, 1));
    if (!pair) return;
    SetWindowTextA(ui.noteCommandBox, std::string(pair->command).c_str());
    SetWindowTextA(ui.noteTextBox, std::string(pair->text).c_str());
}
