#include "common/window_text_win.h"

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return "";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}
