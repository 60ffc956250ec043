#include "common/clipboard_win.h"

#include <cstring>

namespace {

constexpr int kOpenAttempts = 20;
constexpr DWORD kOpenPauseMs = 10;

bool OpenClipboardWaiting(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(kOpenPauseMs);
    }
    return false;
}

}  // namespace

std::optional<std::string> TakeClipboardText() {
    if (!OpenClipboardWaiting(nullptr)) return std::nullopt;
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

bool PutTextOnClipboard(HWND owner, const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
    if (!block) return false;
    if (char* bytes = static_cast<char*>(GlobalLock(block))) {
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
    }
    if (!OpenClipboardWaiting(owner)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    bool taken = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!taken) GlobalFree(block);
    CloseClipboard();
    return taken;
}
