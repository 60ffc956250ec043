// stamps_win.h — short texts kept from the input line and put back at the caret.
#pragma once
#include <windows.h>

// Ctrl+T: a selection is kept (or dropped again); without one, the kept texts are offered.
void ToggleStamp(HWND editBox, LPARAM position);
