// window_text_win.h — the text of a window or control, however long.
#pragma once
#include <windows.h>

#include <string>

std::string WindowText(HWND window);
