// window_shape_win.h — colours and rounded outlines as both programs hand them to the system.
#pragma once
#include <windows.h>

#include "common/rgb.h"

COLORREF ToColorRef(const Rgb& rgb);
Rgb FromColorRef(COLORREF colour);

// Cuts the window to its rectangle with corners rounded by `corner` pixels.
void RoundWindowCorners(HWND window, int corner);
