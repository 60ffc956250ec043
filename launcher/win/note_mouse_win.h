// note_mouse_win.h — the mouse on a note: press and release (click, long press, drag), hovering
// over mini notes, and files dropped onto a note.
#pragma once
#include <windows.h>

void OnNotePress(HWND window, WPARAM wParam, LPARAM lParam);
// True when the release was a click the note answered: no default processing then.
bool OnNoteRelease(HWND window);
void OnNoteHover(HWND window);
void OnFilesDropped(HWND window, HDROP drop);

// The expanded mini note back to its mini size; the size it had meanwhile is its full size.
void CollapseExpandedNote();
