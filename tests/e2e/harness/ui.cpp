#include "harness/ui.h"

#include <cstring>

#include "harness/marnelo.h"
#include "harness/wait.h"

namespace {

struct BoxSearch {
    DWORD processId;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    char className[16] = {}, title[256] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpA(className, "#32770") != 0) return TRUE;
    if (search->caption && *search->caption != title) return TRUE;
    search->found = window;
    return FALSE;
}

void SendOne(INPUT input) {
    SendInput(1, &input, sizeof input);
}

void SendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = x;
    input.mi.dy = y;
    SendOne(input);
}

void SendKey(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    SendOne(input);
}

HWND WaitForBox(DWORD processId, const std::string* caption, int timeoutMs) {
    BoxSearch search{processId, caption, nullptr};
    WaitFor(
        [&] {
            EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

}  // namespace

HWND WaitForMessageBox(DWORD processId, const std::string& caption, int timeoutMs) {
    return WaitForBox(processId, &caption, timeoutMs);
}

HWND WaitForDialog(DWORD processId, int timeoutMs) {
    return WaitForBox(processId, nullptr, timeoutMs);
}

std::string MessageBoxText(HWND box) {
    // The message is the box's static control with the id 0xFFFF.
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

void PressButton(HWND box, int buttonId) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

void SetClipboardText(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void MovePointerTo(int x, int y) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    // The system maps dx to dx * width / 65536: round up so the pointer lands on x itself.
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (x * 65536 + width - 1) / width,
              (y * 65536 + height - 1) / height);
}

bool PlacePointerAt(int x, int y, int timeoutMs) {
    DWORD start = GetTickCount();
    do {
        MovePointerTo(x, y);
        // Past 100 ms from the last move the system asks the X server where the pointer is.
        Settle(120);
        POINT at{};
        if (GetCursorPos(&at) && at.x == x && at.y == y) return true;
    } while (static_cast<int>(GetTickCount() - start) < timeoutMs);
    return false;
}

void ParkPointer() {
    MovePointerTo(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

void PressLeftButton() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}
void ReleaseLeftButton() {
    SendMouse(MOUSEEVENTF_LEFTUP);
}
void PressRightButton() {
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
}
void ReleaseRightButton() {
    SendMouse(MOUSEEVENTF_RIGHTUP);
}
void PressKey(WORD virtualKey) {
    SendKey(virtualKey, 0);
}
void TypeKey(WORD virtualKey) {
    PressKey(virtualKey);
    ReleaseKey(virtualKey);
}
void ReleaseKey(WORD virtualKey) {
    SendKey(virtualKey, KEYEVENTF_KEYUP);
}

void ClickAt(int x, int y) {
    MovePointerTo(x, y);
    Sleep(100);
    PressLeftButton();
    Sleep(150);  // the system's move loop must start while the button is still down
    ReleaseLeftButton();
}

void DoubleClickAt(POINT at) {
    MovePointerTo(at.x, at.y);
    for (int i = 0; i < 2; ++i) {
        PressLeftButton();
        ReleaseLeftButton();
    }
}

RECT RectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

bool HasRect(HWND window, int left, int top, int width, int height) {
    return WaitFor(
        [&] {
            RECT r = RectOf(window);
            return r.left == left && r.top == top && r.right - r.left == width &&
                   r.bottom - r.top == height;
        },
        3000);
}

bool SaveWindowPicture(HWND window, const std::string& path) {
    RECT rect{};
    GetWindowRect(window, &rect);
    std::vector<DWORD> pixels = ScreenPixels(rect);
    if (pixels.empty()) return false;
    for (DWORD& pixel : pixels) pixel |= 0xFF000000;  // opaque: viewers read the fourth byte
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = rect.right - rect.left;
    info.biHeight = -(rect.bottom - rect.top);  // top row first, as the pixels come
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    DWORD pixelBytes = static_cast<DWORD>(pixels.size() * sizeof(DWORD));
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + pixelBytes;
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
              WriteFile(out, &info, sizeof info, &written, nullptr) &&
              WriteFile(out, pixels.data(), pixelBytes, &written, nullptr);
    CloseHandle(out);
    return ok;
}

namespace {
constexpr const char* kDesktopKey = "Control Panel\\Desktop";
}  // namespace

TestScreenDpi::TestScreenDpi() {
    RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
    DWORD size = sizeof old_;
    had_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_),
                            &size) == ERROR_SUCCESS;
    DWORD dpi = kTestScreenDpi;
    RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                   sizeof dpi);
}

TestScreenDpi::~TestScreenDpi() {
    if (had_)
        RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_),
                       sizeof old_);
    else
        RegDeleteValueA(key_, "LogPixels");
    RegCloseKey(key_);
}
