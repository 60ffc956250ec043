// utility_app_win.h — Quorvel's window and its controls, with what paints them; the program's
// other state is apart from them (quorvel_state.h).
#pragma once
#include <windows.h>

#include "utility/resources/resource.h"
#include "utility/rules/quorvel_state.h"
#include "utility/rules/text_widths.h"

struct QuorvelWindows {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND statusBar = nullptr, inputLine = nullptr, noteTextBox = nullptr, noteCommandBox = nullptr,
         checkBox = nullptr, boardListBox = nullptr, bookmarkListBox = nullptr, listView = nullptr;
    // The procedures the subclassed controls hand unhandled messages on to.
    WNDPROC previousInputLine = nullptr, previousBoardList = nullptr, previousListView = nullptr,
            previousCommandBox = nullptr, previousTextBox = nullptr;
    HBRUSH inputBrush = nullptr;
    HBRUSH listBrushes[2] = {nullptr, nullptr};  // [0] paints the board list box
    COLORREF inputColour = 0, boardListColour = 0;
    HFONT listFont = nullptr;
    // The list view font's character advances, measured once for the font they belong to.
    CharAdvances listAdvances;
    HFONT listAdvancesFont = nullptr;
    int dpi = 96;  // of the main window's monitor: every figure of the layout is in 96-DPI units
};

// The run's state, and its windows.
extern QuorvelState quorvel;
extern QuorvelWindows ui;

// Whether `key` (VK_CONTROL, VK_SHIFT ...) is held as the message being handled was sent.
inline bool KeyHeld(int key) {
    return GetKeyState(key) < 0;
}

// Saves the state files and the settings, then ends the program; runs once.
void QuitUtility();
