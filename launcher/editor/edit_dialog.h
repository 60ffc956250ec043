// edit_dialog.h — the dialog in which every field of a note is edited.
#pragma once
#include <windows.h>

void OpenEditDialog(HWND noteWindow);
