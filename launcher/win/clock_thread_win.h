// clock_thread_win.h — the background thread that wakes just after each minute change, and the
// work it hands to the user-interface thread: the clock note's text, the topmost notes raised
// again, a forgotten expanded mini note collapsed.
#pragma once
#include <windows.h>

// The thread only reads the clock and posts MSG_CLOCK_TICK to `mainWindow`; it touches no
// window and no note.
void StartClockThread(HWND mainWindow);

// The user-interface thread's side of one wake.
void OnClockTick(WPARAM refreshDue);
