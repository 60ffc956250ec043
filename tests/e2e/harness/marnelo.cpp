#include "harness/marnelo.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>

#include "harness/wait.h"

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
    bool wantNotes;
};

BOOL CALLBACK CollectWindows(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "marn") != 0) return TRUE;
    bool isNote = GetWindowTextLengthA(window) == 0;
    if (isNote == search->wantNotes) search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> WindowsOf(DWORD processId, bool notes) {
    WindowSearch search{processId, {}, notes};
    EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TextOf(HWND window) {
    char text[65536] = {};
    int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

bool RegionIsRounded(HWND window, const RECT& rect) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    int kind = GetWindowRgn(window, region);
    bool rounded = false;
    if (kind == COMPLEXREGION || kind == SIMPLEREGION) {
        RECT box{};
        GetRgnBox(region, &box);
        int w = rect.right - rect.left, h = rect.bottom - rect.top;
        // A round-rectangle region leaves out its last column and row.
        rounded = box.left == 0 && box.top == 0 && box.right >= w - 1 && box.right <= w &&
                  box.bottom >= h - 1 && box.bottom <= h && !PtInRegion(region, 0, 0) &&
                  !PtInRegion(region, w - 1, h - 1) && PtInRegion(region, w / 2, h / 2) &&
                  PtInRegion(region, w / 2, 0);
    }
    DeleteObject(region);
    return rounded;
}

}  // namespace

const NoteView* NoteWithText(const std::vector<NoteView>& views, const std::string& text) {
    for (const NoteView& v : views)
        if (v.text == text) return &v;
    return nullptr;
}

NoteView InspectNote(HWND window) {
    NoteView view;
    view.window = window;
    GetWindowRect(window, &view.rect);
    view.style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    view.exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    view.topmost = (view.exStyle & WS_EX_TOPMOST) != 0;
    if (HWND text = FindWindowExA(window, nullptr, "STATIC", nullptr)) {
        view.text = TextOf(text);
        view.textStyle = static_cast<DWORD>(GetWindowLongPtrA(text, GWL_STYLE));
        auto font = reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0));
        // Wine answers WM_GETFONT from another process with nothing; its static control keeps
        // the font in its first extra bytes, which any process may read.
        if (!font) font = reinterpret_cast<HFONT>(GetWindowLongPtrA(text, 0));
        view.hasFont = font != nullptr;
    }
    BYTE alpha = 0;
    DWORD flags = 0;
    COLORREF key = 0;
    if ((view.exStyle & WS_EX_LAYERED) &&
        GetLayeredWindowAttributes(window, &key, &alpha, &flags) && (flags & LWA_ALPHA))
        view.alpha = alpha;
    view.rounded = RegionIsRounded(window, view.rect);
    return view;
}

COLORREF ScreenColourAt(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool SettledOnScreen(HWND window, int timeoutMs) {
    bool drawn = WaitFor(
        [&] {
            RECT r{};
            return GetWindowRect(window, &r) &&
                   ScreenColourAt((r.left + r.right) / 2, r.top + 4) != RGB(0, 0, 0);
        },
        timeoutMs);
    if (!drawn) return false;
    // The server's events of the mapping (focus, the pointer entering) follow the first drawing;
    // two round trips through the window's thread take up whatever the server sent meanwhile.
    for (int trip = 0; trip < 2; ++trip) {
        Settle(50);
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr)) return false;
    }
    return true;
}

bool ShowsColourAt(int x, int y, COLORREF colour, int timeoutMs) {
    auto within = [](int a, int b) { return a - b < 3 && b - a < 3; };
    return WaitFor(
        [&] {
            COLORREF seen = ScreenColourAt(x, y);
            return within(GetRValue(seen), GetRValue(colour)) &&
                   within(GetGValue(seen), GetGValue(colour)) &&
                   within(GetBValue(seen), GetBValue(colour));
        },
        timeoutMs);
}

std::vector<DWORD> ScreenPixels(const RECT& rect) {
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return {};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(static_cast<std::size_t>(w) * h);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

int InkRows(const RECT& rect, COLORREF background) {
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    std::vector<DWORD> pixels = ScreenPixels(rect);
    if (pixels.empty()) return 0;
    DWORD want =
        (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
    int rows = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if ((pixels[static_cast<std::size_t>(y) * w + x] & 0xFFFFFF) != want) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

Process::Process(const Install& install, const std::string& program, const std::string& argument,
                 int showState) {
    std::string exe = install.PathOf(program);
    std::string commandLine = "\"" + exe + "\"" + (argument.empty() ? "" : " " + argument);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showState);
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        install.Folder().c_str(), &startup, &info_))
        info_ = {};
}

Process::~Process() {
    Kill();
    if (info_.hProcess) CloseHandle(info_.hProcess);
    if (info_.hThread) CloseHandle(info_.hThread);
}

bool Process::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

int Process::WaitForExit(int timeoutMs) {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -12345;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
}

void Process::Kill() {
    if (!Running()) return;
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
}

std::vector<HWND> Marnelo::NoteWindows() const {
    return WindowsOf(Id(), true);
}

std::vector<NoteView> Marnelo::Notes() const {
    std::vector<NoteView> views;
    for (HWND window : NoteWindows()) views.push_back(InspectNote(window));
    std::sort(views.begin(), views.end(), [](const NoteView& a, const NoteView& b) {
        if (a.rect.left != b.rect.left) return a.rect.left < b.rect.left;
        return a.rect.top < b.rect.top;
    });
    return views;
}

HWND Marnelo::MainWindow() const {
    std::vector<HWND> windows = WindowsOf(Id(), false);
    for (HWND window : windows)
        if (TextOf(window) == "Marnelo ver0.95 ") return window;
    return nullptr;
}

bool Marnelo::WaitForNotes(std::size_t count, int timeoutMs) const {
    // Notes are made at (-10, 1) and sized afterwards: wait until all have their place.
    // A note is made at (-10, 1) and gets its font, opacity, place and region afterwards:
    // wait until every note is complete and nothing moved between two looks.
    auto complete = [](const NoteView& v) {
        return !(v.rect.left == -10 && v.rect.top == 1) && v.hasFont && v.alpha >= 0 && v.rounded;
    };
    std::vector<RECT> last;
    bool arrived = WaitFor(
        [&] {
            std::vector<NoteView> views = Notes();
            std::vector<RECT> rects;
            bool ready = views.size() == count;
            for (const NoteView& v : views) {
                ready = ready && complete(v);
                rects.push_back(v.rect);
            }
            bool steady =
                rects.size() == last.size() &&
                std::equal(rects.begin(), rects.end(), last.begin(),
                           [](const RECT& a, const RECT& b) { return EqualRect(&a, &b); });
            last = rects;
            return ready && steady;
        },
        timeoutMs);
    if (!arrived) {
        std::vector<NoteView> views = Notes();
        std::printf("waited for %zu notes, found %zu:\n", count, views.size());
        for (const NoteView& v : views)
            std::printf("  (%ld,%ld) %dx%d rounded=%d alpha=%d font=%d text=%s\n", v.rect.left,
                        v.rect.top, v.width(), v.height(), v.rounded, v.alpha, v.hasFont,
                        v.text.c_str());
    }
    return arrived;
}

std::vector<std::string> Marnelo::NoteTexts() const {
    std::vector<std::string> texts;
    for (const NoteView& view : Notes()) texts.push_back(view.text);
    return texts;
}

bool Marnelo::WaitForTexts(const std::vector<std::string>& texts, int timeoutMs) const {
    if (WaitFor([&] { return NoteTexts() == texts; }, timeoutMs)) return true;
    std::string shown;
    for (const std::string& text : NoteTexts()) shown += " [" + text + "]";
    std::printf("waited for other notes, found:%s\n", shown.c_str());
    return false;
}

bool Marnelo::WaitForMainWindow(int timeoutMs) const {
    return WaitFor([&] { return MainWindow() != nullptr; }, timeoutMs);
}

int Marnelo::End(int timeoutMs) {
    if (!WaitForMainWindow(timeoutMs)) return -12345;
    RunSecondCopy(install_, "end", timeoutMs);
    return WaitForExit(timeoutMs);
}

int Marnelo::Close(int timeoutMs) {
    if (!WaitForMainWindow(timeoutMs)) return -12345;
    PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    return WaitForExit(timeoutMs);
}

int RunSecondCopy(const Install& install, const std::string& argument, int timeoutMs) {
    Process second(install, "marnelo.exe", argument);
    return second.WaitForExit(timeoutMs);
}

void KillProcessesNamed(const char* exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName) != 0) continue;
        if (HANDLE process =
                OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
            TerminateProcess(process, 99);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
}

void KillStrayCopies() {
    KillProcessesNamed("marnelo.exe");
}
