#include "common/window_shape_win.h"

COLORREF ToColorRef(const Rgb& rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

Rgb FromColorRef(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

void RoundWindowCorners(HWND window, int corner) {
    RECT outer{};
    GetWindowRect(window, &outer);
    HRGN region = CreateRoundRectRgn(0, 0, outer.right - outer.left, outer.bottom - outer.top,
                                     corner, corner);
    // Once set, the region belongs to the system; a region it refused is still ours.
    if (!SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}
