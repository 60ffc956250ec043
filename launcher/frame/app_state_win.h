// app_state_win.h — Marnelo's program-wide state outside the note table.
#pragma once
#include <windows.h>

#include "launcher/frame/paths.h"
#include "launcher/frame/settings.h"
#include "launcher/windows/colours.h"

struct Launcher {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    LauncherPaths paths;
    LauncherSettings settings;
    int screenWidth = 0;
    HBRUSH paletteBrushes[kColourCount] = {};
    HWND clockLabel = nullptr;  // text control of the last note whose command is "tokei"
    bool hoverEnabled = true;   // cleared while the Edit dialog is open
    DWORD pressTime = 0;        // tick count of the last left press on a note
    POINT pressPoint{};         // screen position of that press
    int toolMode = 0;           // attribute tool mode; 0 while the mini tool is closed
    HWND miniToolDialog = nullptr;
    UINT taskbarCreated = 0;  // sent when the task bar starts again: the tray icon is gone
};

extern Launcher app;
