// main_menu_win.h — the menu of the tray icon and of the command "menu": end, new notes, new note
// files, help, the mini tool and every board.
#pragma once
#include <windows.h>

void OpenMainMenu(HWND window);

// The program's one permanent handle for the user: an icon in the notification
// area whose clicks reach the main window as MSG_TRAY.

// False when the system refuses the icon `attempts` times, 0.3 s apart: started with the
// session, the program may come before the task bar is ready for icons.
bool AddTrayIcon(HWND mainWindow, int attempts);
void RemoveTrayIcon(HWND mainWindow);
