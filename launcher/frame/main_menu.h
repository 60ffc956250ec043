// main_menu.h — the menu of the tray icon: end, new notes, new boards, help and every board.
#pragma once
#include <windows.h>

void OpenMainMenu(HWND window);
