// note_window_win.h — turning a note record into its captionless, rounded, translucent window.
#pragma once
#include <windows.h>
#include <string>

#include "common/window_shape_win.h"
#include "launcher/notes/note.h"
#include "launcher/windows/colours.h"

// Makes the note's windows in the next slot (off screen first, so it is never seen half made)
// and returns the note window.
HWND CreateNoteWindow(const Note& note);

// The font, layered opacity and topmost band of note `index`, made anew from its fields.
void ApplyFontAndOpacity(int index);

// The background brush of note `index` made anew from its colours, after they changed.
void RemakeBackBrush(int index);

// The text control covers the client area of the note window.
void FitTextControl(HWND window);

// Rounded corners for the window's current size.
void SetRoundedRegion(HWND window);

// The answer to WM_CTLCOLORSTATIC for `control`, or nullptr when it is no note's text control.
HBRUSH TextControlColours(HDC dc, HWND control);

// The slot of a note window, or -1.
int FindNoteOfWindow(HWND window);

// Destroys the windows of note `index` and releases what its slot owns; later notes move
// down a slot with everything they own, and the edited and expanded notes follow them.
void RemoveNoteWindow(int index);

// Destroys every note window and releases what the slots own; the table is then empty.
void DestroyAllNoteWindows();

// Releases the brushes and fonts still held at program end.
void ReleaseNoteObjects();
