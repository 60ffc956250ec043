#include "launcher/win/clock_thread_win.h"

#include <string>

#include "common/date_stamp.h"
#include "launcher/model/clock_text.h"
#include "launcher/resources/messages.h"
#include "launcher/rules/gestures.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/note_mouse_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/note_window_win.h"

namespace {

bool ScreenSaverRunning() {
    BOOL running = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    return running != FALSE;
}

// The thread shares no object with the rest of the program: it still runs while the program's
// globals are destroyed at exit, so all it owns lives on its own stack and all it hands over
// is a posted flag. The user-interface thread makes the clock text itself.
DWORD WINAPI ClockLoop(LPVOID parameter) {
    HWND mainWindow = static_cast<HWND>(parameter);
    ClockMinute minute;
    for (;;) {
        LocalTime now = LocalNow();
        // The minute counts as seen also while the screen saver runs: it is not caught up.
        bool refresh = minute.Advance(now.minute) && !ScreenSaverRunning();
        PostMessageA(mainWindow, MSG_CLOCK_TICK, refresh ? 1 : 0, 0);
        Sleep(static_cast<DWORD>(SecondsToNextMinute(now.second)) * 1000);
    }
}

void PlaceOnTop(HWND window) {
    BringWindowToTop(window);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void RefreshClockAndTopmostNotes(const std::string& text) {
    // The label is forgotten with its note, so it is always a live control here.
    if (ui.clockLabel) {
        SetWindowTextA(ui.clockLabel, text.c_str());
        PlaceOnTop(ui.clockLabel);
    }
    for (int i = 0; i < notes.Count(); ++i)
        if (notes.slots[i].note.topmost) PlaceOnTop(ui.noteWindows[i].window);
}

void CollapseForgottenNote() {
    int expanded = notes.Expanded();
    if (expanded < 0 || notes.editorOpen) return;
    POINT pointer{};
    GetCursorPos(&pointer);
    RECT rect{};
    GetWindowRect(ui.noteWindows[expanded].window, &rect);
    if (!PointerKeepsNoteExpanded(pointer.x, pointer.y, rect.left, rect.top,
                                  NotePixels(expanded, marnelo.settings.miniWidth),
                                  NotePixels(expanded, marnelo.settings.miniHeight)))
        CollapseExpandedNote();
}

}  // namespace

void StartClockThread(HWND mainWindow) {
    HANDLE thread = CreateThread(nullptr, 0, ClockLoop, mainWindow, 0, nullptr);
    if (thread) CloseHandle(thread);  // it runs until the process ends
}

void OnClockTick(WPARAM refreshDue) {
    if (refreshDue) RefreshClockAndTopmostNotes(ClockText(LocalNow()));
    CollapseForgottenNote();
}
