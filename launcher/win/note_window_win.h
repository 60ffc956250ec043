// note_window_win.h — turning a note record into its captionless, rounded, translucent window.
#pragma once
#include <windows.h>
#include <string>

#include "common/screens_win.h"
#include "common/window_shape_win.h"
#include "launcher/model/colours.h"
#include "launcher/model/note.h"
#include "launcher/rules/attribute_rules.h"

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

// The place and size note `index` stands for, in 96-DPI units: the stored place while the
// window stays where it was put, else where the user moved it.
WindowBox NoteBox(int index);

// Puts note `index` where `units` says, at the DPI of the monitor that is, within reach.
void PlaceNote(int index, const WindowBox& units);

// Sizes note `index` to `width` by `height` units, its top-left corner staying.
void ResizeNote(int index, int width, int height);

// Units of note `index` in pixels at its DPI, and back.
int NotePixels(int index, int units);
int NoteUnits(int index, int pixels);

// The window of a note went to a monitor of another DPI, or the DPI changed: it takes the
// system's suggested rectangle and makes its font and corners anew.
void FollowDpiChange(HWND window, int dpi, const RECT& suggested);

// After the screens changed: every note on no work area is pulled within reach, and one
// pulled in before goes back to its own place once that is on a screen again.
void KeepNotesReachable();

// The slot of a note window, or -1.
int FindNoteOfWindow(HWND window);

// Destroys the windows of note `index` and releases what its slot owns; later notes move
// down a slot with everything they own, and the edited and expanded notes follow them.
void RemoveNoteWindow(int index);

// Destroys every note window and releases what the slots own; the table is then empty.
void DestroyAllNoteWindows();

// Releases the brushes and fonts still held at program end.
void ReleaseNoteObjects();
