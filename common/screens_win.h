// screens_win.h — the monitors, their work areas and DPIs as the system reports them now, for
// the placing rules of screen_geometry.h. The per-monitor DPI calls are looked up by name, so
// that a system without them still starts and counts everything at its one screen DPI.
#pragma once
#include <windows.h>

#include <vector>

#include "common/screen_geometry.h"

// Every monitor; an empty list when the system reports none.
std::vector<MonitorArea> CurrentMonitors();

// The DPI `window` is shown at.
int WindowDpi(HWND window);

// The DPI of the screen as a whole (the primary monitor's on a per-monitor system).
int ScreenDpi();

// The window's outer rectangle.
ScreenBox WindowBoxOf(HWND window);

// The work area of the monitor nearest to `box`.
ScreenBox WorkAreaNear(const ScreenBox& box);

// Moves a dialog into the work area of the monitor nearest to `beside`. A dialog taller or
// wider than that area is shrunk with its controls and font to fit, so that its buttons are
// never below the screen.
void FitDialogOnScreen(HWND dialog, const ScreenBox& beside);

// MessageBoxA without owner, as every question of the programs is, shown inside the work area
// of the monitor of `beside` (a window, or a box in pixels) when the system put it elsewhere.
int MessageBoxOnScreen(HWND beside, const char* text, const char* caption, UINT type);
int MessageBoxOnScreen(const ScreenBox& beside, const char* text, const char* caption, UINT type);
