// popup_menu_win.h — the program's popup menus: items inserted at the top, shown at the pointer
// above it, the chosen command returned instead of sent.
#pragma once
#include <windows.h>

#include "launcher/rules/menu_entries.h"

void InsertAtTop(HMENU menu, const MenuEntry& entry, HMENU submenu = nullptr);

// Makes `owner` the foreground window, shows `menu` bottom-aligned at the pointer and returns
// the chosen command, 0 for none.
unsigned TrackAtPointer(HMENU menu, HWND owner);
