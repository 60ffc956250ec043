// edit_dialog_win.h — the dialog in which every field of a note is edited, its size fitted to its
// text, and the note moved to another board.
#pragma once
#include <windows.h>

// Returns when the dialog has closed; a second one is refused while one is open.
void OpenEditDialog(HWND noteWindow);
