#include "utility/win/input_line_win.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include "utility/rules/input_keys.h"
#include "utility/win/kept_files_win.h"
#include "utility/win/key_actions_win.h"
#include "utility/win/list_controls_win.h"
#include "utility/win/list_display_win.h"
#include "utility/win/recycle_file_win.h"
#include "utility/win/stamps_win.h"
#include "utility/win/utility_app_win.h"

namespace {

// The messages the key rules see, and the kind each arrives as.
const std::pair<UINT, KeyKind> kKeyMessages[] = {
    {WM_KEYDOWN, KeyKind::KeyDown},     {WM_SYSKEYDOWN, KeyKind::KeyDown},
    {WM_KEYUP, KeyKind::KeyUp},         {WM_CHAR, KeyKind::Char},
    {WM_DROPFILES, KeyKind::DropFiles}, {LVM_DELETEALLITEMS, KeyKind::DeleteAllItems}};

KeyInput Translate(UINT message, WPARAM wParam, LPARAM lParam) {
    KeyInput input;
    const auto* known = std::find_if(std::begin(kKeyMessages), std::end(kKeyMessages),
                                     [&](const auto& entry) { return entry.first == message; });
    if (known == std::end(kKeyMessages)) return input;
    input.kind = known->second;
    input.code = static_cast<unsigned>(wParam);
    input.repeat = (lParam & (1 << 30)) != 0;
    input.ctrl = KeyHeld(VK_CONTROL);
    input.shift = KeyHeld(VK_SHIFT);
    input.alt = KeyHeld(VK_MENU);
    return input;
}

// The actions that are one call and take nothing from the key.
const std::pair<KeyAction, void (*)()> kPlainActions[] = {
    {KeyAction::ShowDrives, ShowDrivesHome}, {KeyAction::FocusFirstRow, FirstRowFocus},
    {KeyAction::RefreshLists, RefreshLists}, {KeyAction::EnterText, EnterInputText},
    {KeyAction::SaveState, SaveState},       {KeyAction::ReloadLists, ReloadLists},
    {KeyAction::Quit, QuitUtility},          {KeyAction::EndBookmarkWalk, EndBookmarkWalk}};

// What a key action of the input line or of any control does; true when the pick took an item.
bool ShowKeyAction(KeyAction action, const KeyInput& input, WPARAM wParam, LPARAM lParam) {
    for (const auto& [plain, call] : kPlainActions) {
        if (plain != action) continue;
        call();
        return false;
    }
    switch (action) {
        case KeyAction::ForgetTransfer:
            quorvel.pending.Forget();
            quorvel.modeState = ModeState::Plain;
            ShowStatusText("");
            break;
        case KeyAction::ClearInputLine:
            quorvel.parentLevel = 0;
            SetWindowTextA(ui.inputLine, "");
            break;
        case KeyAction::ResetParentLevel:
            quorvel.parentLevel = 0;
            break;
        case KeyAction::CycleMode:
            CycleModeShown();
            break;
        case KeyAction::FocusBoardList:
            if (SendMessageA(ui.boardListBox, LB_GETCOUNT, 0, 0) <= 0) RefreshLists();
            if (SendMessageA(ui.boardListBox, LB_GETCOUNT, 0, 0) > 0) {
                SetFocus(ui.boardListBox);
                SendMessageA(ui.boardListBox, LB_SETCURSEL, 0, 0);
            }
            break;
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
        bool picked = ShowKeyAction(decision.action, input, wParam, lParam);
        if (decision.disposition == Disposition::Consumed) return decision.result;
        if (decision.disposition == Disposition::ConsumedIfPicked && picked) return decision.result;
        if (input.kind == KeyKind::Char) wParam = decision.code;
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

LRESULT CALLBACK InputLineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The release of F10 alone would open the window's menu mode.
    if (message == WM_SYSKEYUP && wParam == VK_F10) return 0;
    KeyInput input = Translate(message, wParam, lParam);
    if (input.kind != KeyKind::Other) {
        InputLineState state;
        state.inputEmpty = GetWindowTextLengthA(window) == 0;
        state.parentLevel = quorvel.parentLevel;
        KeyDecision decision = InputLineKey(input, state);
        ShowKeyAction(decision.action, input, wParam, lParam);
        if (decision.disposition == Disposition::Consumed) return decision.result;
    }
    return HandleControlKey(window, message, wParam, lParam, ui.previousInputLine);
}
