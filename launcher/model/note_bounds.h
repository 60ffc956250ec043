// note_bounds.h — the least values that keep a note on screen where the mouse reaches it: one
// place for the note file, the Edit dialog, the attribute tool and the opacity of a window.
#pragma once
#include "launcher/model/note.h"

// A width, height or font size pasted from another note: an edge of 0 leaves nothing to click.
inline constexpr int kLeastPastedSize = 1;
// The full and mini sizes a note file stores, raised to this on every read and write.
inline constexpr int kLeastStoredSize = 10;
// Opacity in percent: at 0 a note is invisible and lets clicks through, and below this it can
// hardly be seen.
inline constexpr int kLeastTransparency = 10;

// Raises the mini size to kLeastStoredSize, as saving does to the note itself.
void RaiseMiniSize(Note& note);

// The note with its mini size and opacity raised to their least values, so that nothing typed
// into the Edit dialog makes it invisible or too small to click.
Note KeepReachable(Note note);
