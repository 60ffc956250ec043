// main_menu_win.h — the menu of the tray icon and of the command "menu": end, new notes, new note
// files, help, the mini tool and every board.
#pragma once
#include <windows.h>

void OpenMainMenu(HWND window);
