#include "common/screens_win.h"

#include <utility>

namespace {

enum MonitorDpiType { kEffectiveDpi = 0 };
using DpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using DpiForWindowFn = UINT(WINAPI*)(HWND);

template <typename Fn>
Fn Lookup(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (!module) module = LoadLibraryA(library);
    if (!module) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

ScreenBox BoxOf(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

int MonitorDpi(HMONITOR monitor) {
    static DpiForMonitorFn dpiForMonitor =
        Lookup<DpiForMonitorFn>("shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (dpiForMonitor && dpiForMonitor(monitor, kEffectiveDpi, &x, &y) == S_OK && y > 0)
        return static_cast<int>(y);
    return ScreenDpi();
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info))
        reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back(
            {BoxOf(info.rcMonitor), BoxOf(info.rcWork), MonitorDpi(monitor)});
    return TRUE;
}

struct ShrinkJob {
    HWND dialog;
    int numerator, denominator;
    HFONT font;
};

BOOL CALLBACK ShrinkControl(HWND control, LPARAM job) {
    const ShrinkJob& j = *reinterpret_cast<ShrinkJob*>(job);
    HWND parent = GetParent(control);
    // A control lays out its own children (a combo box's edit field) when it is resized.
    if (parent != j.dialog) return TRUE;
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    auto s = [&](LONG v) { return MulDiv(v, j.numerator, j.denominator); };
    MoveWindow(control, s(r.left), s(r.top), s(r.right - r.left), s(r.bottom - r.top), FALSE);
    if (j.font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(j.font), FALSE);
    return TRUE;
}

// A shrunk dialog's font must outlive the dialog's every showing; the few sizes a run needs
// are made once and kept for the program's life.
HFONT SmallerFont(HWND dialog, int numerator, int denominator) {
    static std::vector<std::pair<LOGFONTA, HFONT>> made;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    LOGFONTA logFont{};
    if (!font || !GetObjectA(font, sizeof logFont, &logFont)) return nullptr;
    logFont.lfHeight = MulDiv(logFont.lfHeight, numerator, denominator);
    logFont.lfWidth = MulDiv(logFont.lfWidth, numerator, denominator);
    for (const auto& [key, kept] : made)
        if (key.lfHeight == logFont.lfHeight && key.lfWidth == logFont.lfWidth &&
            lstrcmpA(key.lfFaceName, logFont.lfFaceName) == 0)
            return kept;
    HFONT smaller = CreateFontIndirectA(&logFont);
    if (smaller) made.push_back({logFont, smaller});
    return smaller;
}

}  // namespace

std::vector<MonitorArea> CurrentMonitors() {
    std::vector<MonitorArea> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND window) {
    static DpiForWindowFn dpiForWindow = Lookup<DpiForWindowFn>("user32.dll", "GetDpiForWindow");
    if (dpiForWindow) {
        UINT dpi = dpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

ScreenBox WindowBoxOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return BoxOf(r);
}

ScreenBox WorkAreaNear(const ScreenBox& box) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT rect{box.left, box.top, box.left + box.width, box.top + box.height};
    if (GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info))
        return BoxOf(info.rcWork);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return BoxOf(work);
}

void FitDialogOnScreen(HWND dialog, const ScreenBox& beside) {
    ScreenBox area = WorkAreaNear(beside);
    RECT client{};
    GetClientRect(dialog, &client);
    DialogFit fit = FitDialog(WindowBoxOf(dialog), client.right, client.bottom, area);
    if (fit.numerator < fit.denominator) {
        HFONT font = SmallerFont(dialog, fit.numerator, fit.denominator);
        ShrinkJob job{dialog, fit.numerator, fit.denominator, font};
        EnumChildWindows(dialog, &ShrinkControl, reinterpret_cast<LPARAM>(&job));
    }
    MoveWindow(dialog, fit.box.left, fit.box.top, fit.box.width, fit.box.height, TRUE);
}

namespace {

// One question at a time per thread: the hook is the thread's own and ends with the box.
thread_local HHOOK questionHook = nullptr;
thread_local ScreenBox questionArea;

LRESULT CALLBACK PlaceQuestion(int code, WPARAM wParam, LPARAM lParam) {
    char className[8] = {};
    if (code == HCBT_ACTIVATE &&
        GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className) &&
        lstrcmpA(className, "#32770") == 0) {
        HWND box = reinterpret_cast<HWND>(wParam);
        ScreenBox now = WindowBoxOf(box);
        ScreenBox place = QuestionPlace(now, questionArea);
        if (!(place == now))
            SetWindowPos(box, nullptr, place.left, place.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        HHOOK hook = questionHook;
        questionHook = nullptr;
        UnhookWindowsHookEx(hook);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    return CallNextHookEx(questionHook, code, wParam, lParam);
}

}  // namespace

int MessageBoxOnScreen(const ScreenBox& beside, const char* text, const char* caption, UINT type) {
    questionArea = WorkAreaNear(beside);
    if (!questionHook)
        questionHook = SetWindowsHookExA(WH_CBT, &PlaceQuestion, nullptr, GetCurrentThreadId());
    int answer = MessageBoxA(nullptr, text, caption, type);
    if (questionHook) {
        UnhookWindowsHookEx(questionHook);
        questionHook = nullptr;
    }
    return answer;
}

int MessageBoxOnScreen(HWND beside, const char* text, const char* caption, UINT type) {
    return MessageBoxOnScreen(WindowBoxOf(beside), text, caption, type);
}
