#include "launcher/win/note_mouse_win.h"

#include <string>

#include "launcher/resources/messages.h"
#include "launcher/rules/gestures.h"
#include "launcher/rules/media_note.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/attribute_tool_win.h"
#include "launcher/win/edit_dialog_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/note_window_win.h"
#include "launcher/win/run_note_win.h"

namespace {

constexpr WPARAM kDragMove = SC_MOVE + 2;  // the move loop as if the caption were dragged

// Brings every note to the front although another program is in the foreground: the system
// lets only the foreground thread hand the foreground on.
void RaiseAllNotes(HWND window) {
    HWND foreground = GetForegroundWindow();
    if (foreground == ui.mainWindow) return;
    DWORD foregroundThread = GetWindowThreadProcessId(foreground, nullptr);
    DWORD ownThread = GetCurrentThreadId();
    AttachThreadInput(ownThread, foregroundThread, TRUE);
    SetForegroundWindow(ui.mainWindow);
    SendMessageA(window, MSG_ACTIVATE, 0, 0);
    AttachThreadInput(ownThread, foregroundThread, FALSE);
    SetForegroundWindow(ui.mainWindow);
}

}  // namespace

void CollapseExpandedNote() {
    int expanded = notes.Expanded();
    if (expanded < 0) {
        notes.expandedNote = -1;
        return;
    }
    Note& note = notes.slots[expanded].note;
    notes.TakeShownSize(expanded, NoteBox(expanded), note);
    ResizeNote(expanded, note.miniWidth, note.miniHeight);
    notes.expandedNote = -1;
}

void OnNotePress(HWND window, WPARAM wParam, LPARAM lParam) {
    if (marnelo.tool.mode != kToolOff) return;
    POINT at{};
    GetCursorPos(&at);
    marnelo.press.x = at.x;
    marnelo.press.y = at.y;
    // When the button went down, not when the press is handled: taken late, while the program
    // was busy, a press held for long would otherwise count as a click.
    marnelo.press.time = static_cast<DWORD>(GetMessageTime());
    // The move loop returns at the release and swallows it, so the release is sent here.
    SendMessageA(window, WM_SYSCOMMAND, kDragMove, 0);
    SendMessageA(window, WM_LBUTTONUP, wParam, lParam);
    marnelo.press.time = GetTickCount();
}

bool OnNoteRelease(HWND window) {
    if (marnelo.tool.mode != kToolOff) {
        ReleaseInToolMode(window);
        return false;
    }
    POINT now{};
    GetCursorPos(&now);
    bool stayed = now.x == marnelo.press.x && now.y == marnelo.press.y;
    switch (
        ClassifyRelease(GetTickCount() - marnelo.press.time, marnelo.settings.clickTime, stayed)) {
        case Release::LongPress:
            OpenEditDialog(window);
            return false;
        case Release::Drag:
            return false;
        case Release::Click:
            break;
    }
    int index = FindNoteOfWindow(window);
    if (index < 0) return false;
    // A copy: running a note may change the table.
    Note note = notes.slots[index].note;
    RunNote(window, note);
    return true;
}

void OnNoteHover(HWND window) {
    if (marnelo.tool.mode != kToolOff || notes.editorOpen) return;
    int hovered = FindNoteOfWindow(window);
    bool mini = hovered >= 0 && notes.slots[hovered].note.mini;
    HoverPlan plan = PlanHover(notes.expandedNote, hovered, mini, GetKeyState(VK_CONTROL) < 0);
    if (plan.collapse) CollapseExpandedNote();
    if (plan.expand) {
        notes.expandedNote = hovered;
        const Note& n = notes.slots[hovered].note;
        ResizeNote(hovered, n.width, n.height);
    }
    if (plan.onNote && notes.slots[hovered].note.raiseOnHover) RaiseAllNotes(window);
}

void OnFilesDropped(HWND window, HDROP drop) {
    int index = FindNoteOfWindow(window);
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; index >= 0 && i < count; ++i) {
        UINT length = DragQueryFileA(drop, i, nullptr, 0);
        if (!DroppedPathFits(length)) continue;
        std::string path(length + 1, '\0');
        path.resize(DragQueryFileA(drop, i, path.data(), length + 1));
        notes.slots[index].note.mediaPath = path;
        InvalidateRect(window, nullptr, TRUE);
    }
    DragFinish(drop);
}
