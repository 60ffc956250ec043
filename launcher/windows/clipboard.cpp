#include "launcher/windows/clipboard.h"

#include <windows.h>

#include <cstring>

#include "launcher/frame/app_state.h"

std::optional<std::string> TakeClipboardText() {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            // The block may be larger than its text; the text ends at its zero byte.
            SIZE_T limit = GlobalSize(data);
            text = std::string(bytes, strnlen(bytes, limit));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void PutTextOnClipboard(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
    if (!block) return;
    if (char* bytes = static_cast<char*>(GlobalLock(block))) {
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
    }
    // Opened for the main window: a clipboard emptied without an owner refuses new data.
    if (!OpenClipboard(app.mainWindow)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    CloseClipboard();
}
