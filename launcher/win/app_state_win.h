// app_state_win.h — Marnelo's windows and what paints them, and the run's three objects: its
// state (marnelo_state.h), its windows and the notes on screen (note_table.h).
#pragma once
#include <windows.h>

#include "launcher/rules/marnelo_state.h"
#include "launcher/rules/note_table.h"
#include "launcher/win/note_table_win.h"
#include "launcher/model/colours.h"

struct MarneloWindows {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HBRUSH paletteBrushes[kColourCount] = {};
    HWND clockLabel = nullptr;  // text control of the last note whose command is "tokei"
    HWND miniToolDialog = nullptr;
    UINT taskbarCreated = 0;  // sent when the task bar starts again: the tray icon is gone
    ULONG_PTR imageLibraryToken = 0;
    std::vector<NoteWindows> noteWindows;  // slot for slot with the note table
};

extern MarneloState marnelo;
extern MarneloWindows ui;
extern NoteTable notes;
