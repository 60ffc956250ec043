// note_menu_win.h — the menu a right click on a note opens.
#pragma once
#include <windows.h>

void ShowNoteMenu(HWND noteWindow);
