#include "utility/frame/input_line_win.h"

#include <commctrl.h>

#include "utility/commands/file_operations_win.h"
#include "utility/commands/list_controls_win.h"
#include "utility/commands/stamps_win.h"
#include "utility/frame/input_keys.h"
#include "utility/frame/key_actions_win.h"
#include "utility/frame/list_display_win.h"
#include "utility/frame/kept_files_win.h"
#include "utility/frame/utility_app_win.h"

namespace {

bool Down(int key) {
    return GetKeyState(key) < 0;
}

KeyInput Translate(UINT message, WPARAM wParam, LPARAM lParam) {
    KeyInput input;
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            input.kind = KeyKind::KeyDown;
            break;
        case WM_KEYUP:
            input.kind = KeyKind::KeyUp;
            break;
        case WM_CHAR:
            input.kind = KeyKind::Char;
            break;
        case WM_DROPFILES:
            input.kind = KeyKind::DropFiles;
            break;
        case LVM_DELETEALLITEMS:
            input.kind = KeyKind::DeleteAllItems;
            break;
        default:
            return input;
    }
    input.code = static_cast<unsigned>(wParam);
    input.repeat = (lParam & (1 << 30)) != 0;
    input.ctrl = Down(VK_CONTROL);
    input.shift = Down(VK_SHIFT);
    input.alt = Down(VK_MENU);
    return input;
}

void ShowInputLineAction(KeyAction action) {
    switch (action) {
        case KeyAction::ForgetTransfer:
            ForgetPendingTransfer();
            quorvel.modeState = ModeState::Plain;
            SendMessageA(ui.statusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(""));
            break;
        case KeyAction::ClearInputLine:
            quorvel.parentLevel = 0;
            SetWindowTextA(ui.inputLine, "");
            break;
        case KeyAction::ResetParentLevel:
            quorvel.parentLevel = 0;
            break;
        case KeyAction::ShowDrives:
            ShowDrivesHome();
            break;
        case KeyAction::FocusBoardList:
            if (SendMessageA(ui.boardListBox, LB_GETCOUNT, 0, 0) <= 0) RefreshLists();
            if (SendMessageA(ui.boardListBox, LB_GETCOUNT, 0, 0) > 0) {
                SetFocus(ui.boardListBox);
                SendMessageA(ui.boardListBox, LB_SETCURSEL, 0, 0);
            }
            break;
        case KeyAction::FocusFirstRow:
            FirstRowFocus();
            break;
        case KeyAction::RefreshLists:
            RefreshLists();
            break;
        case KeyAction::EnterText:
            EnterInputText();
            break;
        default:
            break;
    }
}

// True when the pick took an item.
bool ShowControlAction(KeyAction action, const KeyInput& input, WPARAM wParam, LPARAM lParam) {
    switch (action) {
        case KeyAction::EmptyKeySequence:
            quorvel.keySequence.Clear();
            break;
        case KeyAction::RaiseParentLevel:
            quorvel.parentLevel += 1;
            RefreshLists();
            break;
        case KeyAction::ToggleDateFilter:
            ToggleDateFilterShown(input.shift, input.alt);
            break;
        case KeyAction::SaveState:
            SaveState();
            break;
        case KeyAction::ReloadLists:
            ReloadLists();
            break;
        case KeyAction::Quit:
            QuitUtility();
            break;
        case KeyAction::PickItem:
            return PickItem();
        case KeyAction::ToggleStamp:
            ToggleStamp(ui.inputLine, lParam);
            break;
        case KeyAction::RecentForward:
        case KeyAction::RecentBack:
            StepRecentShown(action == KeyAction::RecentForward);
            break;
        case KeyAction::BookmarkUp:
        case KeyAction::BookmarkDown:
            StepBookmarkShown(action == KeyAction::BookmarkUp);
            break;
        case KeyAction::EndBookmarkWalk:
            EndBookmarkWalk();
            break;
        case KeyAction::DeleteAllRows:
            DeleteRows(true, true);
            SetWindowTextA(ui.inputLine, "");
            break;
        case KeyAction::RunKeySequence:
            RunKeySequence(static_cast<int>(wParam));
            break;
        case KeyAction::HandleDrop:
            HandleDrop(reinterpret_cast<HDROP>(wParam));
            break;
        default:
            break;
    }
    return false;
}

}  // namespace

LRESULT HandleControlKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         WNDPROC previous) {
    KeyInput input = Translate(message, wParam, lParam);
    if (input.kind != KeyKind::Other) {
        ControlKeyState state;
        state.recentEmpty = quorvel.recent.pairs.empty();
        state.bookmarkBoxEmpty = SendMessageA(ui.bookmarkListBox, LB_GETCOUNT, 0, 0) <= 0;
        state.bookmarkWalk = quorvel.bookmarkCursor >= 0;
        KeyDecision decision = ControlKey(input, state);
        bool picked = ShowControlAction(decision.action, input, wParam, lParam);
        if (decision.disposition == Disposition::Consumed) return decision.result;
        if (decision.disposition == Disposition::ConsumedIfPicked && picked) return decision.result;
        if (input.kind == KeyKind::Char) wParam = decision.code;
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

LRESULT CALLBACK InputLineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    KeyInput input = Translate(message, wParam, lParam);
    if (input.kind != KeyKind::Other) {
        InputLineState state;
        state.inputEmpty = GetWindowTextLengthA(window) == 0;
        state.parentLevel = quorvel.parentLevel;
        KeyDecision decision = InputLineKey(input, state);
        ShowInputLineAction(decision.action);
        if (decision.disposition == Disposition::Consumed) return decision.result;
    }
    return HandleControlKey(window, message, wParam, lParam, ui.previousInputLine);
}
