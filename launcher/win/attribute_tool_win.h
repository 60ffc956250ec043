// attribute_tool_win.h — while the mini tool is open, clicks on notes pick and paste attributes.
#pragma once
#include <windows.h>

// A release on `noteWindow` while the tool is in one of its modes.
void ReleaseInToolMode(HWND noteWindow);
