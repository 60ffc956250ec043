// input_line_win.h — the input line's window procedure and the shared key handler that ends the
// procedure of every subclassed control.
#pragma once
#include <windows.h>

LRESULT CALLBACK InputLineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The shared keys; what they leave goes to `previous` with the first parameter as changed.
LRESULT HandleControlKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC previous);
