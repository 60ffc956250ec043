// app_state_win.h — Marnelo's windows and what paints them, and the run's three objects: its
// state (marnelo_state.h), its windows and the notes on screen (note_table.h).
#pragma once
#include <windows.h>

#include "common/screen_geometry.h"
#include "launcher/model/colours.h"
#include "launcher/rules/marnelo_state.h"
#include "launcher/rules/note_table.h"
#include "launcher/win/note_table_win.h"

// The Edit dialog, open for one note at a time.
struct EditorState {
    HWND noteWindow = nullptr;  // the note is found again by it: a board switch may replace it
    HBRUSH previewBrush = nullptr;
    int lastBackIndex = 0;
    int lastTextIndex = 0;
    int miniBefore = 0;
    bool autoSize = false;
    ScreenBox noteOnScreen;  // in pixels, before it was shrunk away: the dialog opens beside it
    COLORREF customColours[16] = {};  // the colour chooser's own colours, kept for the whole run
};

struct MarneloWindows {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HBRUSH paletteBrushes[kColourCount] = {};
    HWND clockLabel = nullptr;  // text control of the last note whose command is "tokei"
    HWND miniToolDialog = nullptr;
    UINT taskbarCreated = 0;  // sent when the task bar starts again: the tray icon is gone
    ULONG_PTR imageLibraryToken = 0;
    std::vector<NoteWindows> noteWindows;  // slot for slot with the note table
    EditorState editor;
    char newFileName[MAX_PATH] = "";  // kept, so the save dialog offers the last chosen name again
};

extern MarneloState marnelo;
extern MarneloWindows ui;
extern NoteTable notes;
