#include "launcher/win/window_proc_win.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/window_text_win.h"
#include "launcher/resources/messages.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/board_store_win.h"
#include "launcher/win/clock_thread_win.h"
#include "launcher/win/main_menu_win.h"
#include "launcher/win/media_paint_win.h"
#include "launcher/win/note_loader_win.h"
#include "launcher/win/note_menu_win.h"
#include "launcher/win/note_mouse_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/note_window_win.h"

namespace {

// A second start writes the board it wants into the title of one note window.
std::string TakeHandedOverPath() {
    for (const NoteWindows& slot : ui.noteWindows) {
        std::string title = WindowText(slot.window);
        if (title.empty()) continue;
        SetWindowTextA(slot.window, "");
        return title;
    }
    return {};
}

void BringAllNotesToFront() {
    for (const NoteWindows& slot : ui.noteWindows) {
        SetForegroundWindow(slot.window);
        ShowWindow(slot.window, SW_SHOWNORMAL);
        InvalidateRect(slot.window, nullptr, TRUE);
    }
}

void RunHandOver(const HandOver& handOver) {
    // An end run before leaves nothing to switch to or to add a note to.
    if (!IsWindow(ui.mainWindow)) return;
    switch (handOver.message) {
        case MSG_END:
            SendMessageA(ui.mainWindow, WM_CLOSE, 0, 0);
            return;
        case MSG_EXEC:
            CreateNoteFromClipboard(kRunNote);
            return;
        case MSG_CLIPB:
            CreateNoteFromClipboard(kClipboardNote);
            return;
    }
    SwitchBoard(handOver.boardPath);
}

void HandOverArrived(HandOver handOver) {
    if (marnelo.handOvers.Arrive(std::move(handOver))) RunWaitingHandOvers();
}

void OnActivate() {
    std::string path = TakeHandedOverPath();
    if (path.empty()) {
        BringAllNotesToFront();
        return;
    }
    HandOverArrived({MSG_ACTIVATE, std::move(path)});
}

// The board, the common notes and the settings, once; then the outside board list.
void SaveAtClose() {
    SaveOnce();
    WriteKnownBoards();
}

// Any close request closes the program: a note window closed alone would leave its note in
// the table without a window.
LRESULT OnClose(HWND window) {
    if (window != ui.mainWindow) {
        SendMessageA(ui.mainWindow, WM_CLOSE, 0, 0);
        return 0;
    }
    SaveAtClose();
    DestroyWindow(window);
    return 0;
}

void OnTray(WPARAM wParam, LPARAM lParam, HWND window) {
    if (wParam != TRAY_ICON_ID) return;
    if (lParam == WM_RBUTTONUP) OpenMainMenu(window);
    if (lParam == WM_LBUTTONDOWN) SendMessageA(ui.mainWindow, MSG_ACTIVATE, 0, 0);
}

}  // namespace

void RunWaitingHandOvers() {
    while (std::optional<HandOver> next = marnelo.handOvers.Next()) RunHandOver(*next);
}

// Older headers lack it; a system that never sends it never needs it.
constexpr UINT kDpiChanged = 0x02E0;

LRESULT CALLBACK MarneloWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            if (window == ui.mainWindow) PostQuitMessage(0);
            return 0;
        case WM_ERASEBKGND:
        case WM_LBUTTONDBLCLK:
            return 0;
        case WM_SIZE:
            FitTextControl(window);
            SetRoundedRegion(window);
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            PaintNoteMedia(paint.hdc, window);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_CLOSE:
            return OnClose(window);
        case WM_QUERYENDSESSION:
            // Every top-level window is asked; the main window answers for the program.
            if (window == ui.mainWindow) SaveAtClose();
            break;
        case WM_ENDSESSION:
            if (window != ui.mainWindow) break;
            if (wParam)
                SaveAtClose();
            else
                marnelo.board.savedOnce =
                    false;  // the shutdown was called off: later closes save again
            break;
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(
                TextControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_MOUSEMOVE:
            OnNoteHover(window);
            break;
        case WM_LBUTTONDOWN:
            if (FindNoteOfWindow(window) >= 0) OnNotePress(window, wParam, lParam);
            break;
        case WM_LBUTTONUP:
            if (OnNoteRelease(window)) return 0;
            break;
        case WM_RBUTTONUP:
            if (FindNoteOfWindow(window) >= 0) ShowNoteMenu(window);
            break;
        case WM_DROPFILES:
            OnFilesDropped(window, reinterpret_cast<HDROP>(wParam));
            break;
        case MSG_END:
        case MSG_EXEC:
        case MSG_CLIPB:
            HandOverArrived({message, {}});
            break;
        case MSG_ACTIVATE:
            OnActivate();
            break;
        case MSG_TRAY:
            OnTray(wParam, lParam, window);
            break;
        case MSG_CLOCK_TICK:
            if (window == ui.mainWindow) OnClockTick(wParam);
            return 0;
        case kDpiChanged:
            if (window == ui.mainWindow) {
                KeepNotesReachable();
                break;
            }
            FollowDpiChange(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DISPLAYCHANGE:
            if (window == ui.mainWindow) KeepNotesReachable();
            break;
        case WM_SETTINGCHANGE:
            // A task bar moved or grown changes the work areas.
            if (window == ui.mainWindow && wParam == SPI_SETWORKAREA) KeepNotesReachable();
            break;
    }
    if (message == ui.taskbarCreated && message != 0 && window == ui.mainWindow)
        AddTrayIcon(window, 1);
    return DefWindowProcA(window, message, wParam, lParam);
}
