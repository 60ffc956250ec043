// window_proc_win.h — the one window procedure of the class "marn": the hidden main window and
// every note window.
#pragma once
#include <windows.h>

LRESULT CALLBACK MarneloWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the hand-overs of second starts that waited for the Edit dialog to close.
void RunWaitingHandOvers();
