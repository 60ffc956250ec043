#include "harness/quorvel.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <vector>

#include "harness/wait.h"

namespace {

struct MainSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMain(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<MainSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner != search->processId || lstrcmpA(className, "Quorvel") != 0) return TRUE;
    search->found = window;
    return FALSE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

}  // namespace

std::string WindowTextOf(HWND window) {
    // A control of another process answers only when asked: GetWindowText would not ask it.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length) ||
        length == 0)
        return "";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_NORMAL, 5000, &copied);
    text.resize(copied < length ? copied : length);
    return text;
}

bool WaitForText(HWND window, const std::string& text, int timeoutMs) {
    return WaitFor([&] { return WindowTextOf(window) == text; }, timeoutMs);
}

std::vector<int> ColumnWidths(HWND listView, int most) {
    std::vector<int> widths;
    for (int column = 0; column < most; ++column) {
        DWORD_PTR width = 0;
        if (!SendMessageTimeoutA(listView, LVM_GETCOLUMNWIDTH, column, 0, SMTO_NORMAL, 5000,
                                 &width) ||
            width == 0)
            break;
        widths.push_back(static_cast<int>(width));
    }
    return widths;
}

HWND Quorvel::MainWindow() const {
    MainSearch search{Id(), nullptr};
    EnumWindows(FindMain, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool Quorvel::WaitForMainWindow(int timeoutMs) const {
    return WaitFor([&] { return MainWindow() != nullptr; }, timeoutMs);
}

bool Quorvel::WaitForControls(int timeoutMs) const {
    return WaitFor(
        [&] {
            HWND main = MainWindow();
            return main && ChildrenOf(main).size() == 8 && IsWindowVisible(main);
        },
        timeoutMs);
}

QuorvelControls Quorvel::Controls() const {
    QuorvelControls controls;
    std::vector<HWND> children = ChildrenOf(MainWindow());
    if (children.size() != 8) return controls;
    // Children are kept in the order they were made, the first on top.
    HWND* slots[8] = {&controls.statusBar,       &controls.noteTextBox, &controls.inputLine,
                      &controls.noteCommandBox,  &controls.checkBox,    &controls.boardListBox,
                      &controls.bookmarkListBox, &controls.listView};
    for (int i = 0; i < 8; ++i) *slots[i] = children[i];
    return controls;
}

std::string Quorvel::Title() const {
    return WindowTextOf(MainWindow());
}

bool Quorvel::WaitForTitle(const std::string& title, int timeoutMs) const {
    return WaitFor([&] { return Title() == title; }, timeoutMs);
}

RECT Quorvel::PlaceOf(HWND child) const {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, MainWindow(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Quorvel::HandOff(const std::string& text) {
    HWND main = MainWindow();
    if (!main) return false;
    SetWindowTextA(main, text.c_str());
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(main, 266, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

int Quorvel::CloseWithTitleButton(int timeoutMs) {
    if (HWND main = MainWindow()) PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    return WaitForExit(timeoutMs);
}

int Quorvel::EndWithSave(int timeoutMs) {
    if (!WaitForMainWindow(timeoutMs)) return -12345;
    HandOff("");
    return WaitForExit(timeoutMs);
}

int RunSecondQuorvel(const Install& install, const std::string& argument, int timeoutMs) {
    Process second(install, "quorvel.exe", argument);
    return second.WaitForExit(timeoutMs);
}

void KillStrayQuorvels() {
    KillProcessesNamed("quorvel.exe");
}

std::string MakeFolderOfFiles(const Install& install, const std::string& relative, int count) {
    std::string folder = install.PathOf(relative);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i) {
        std::string path = folder + "\\f" + std::to_string(i) + ".txt";
        CloseHandle(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return folder;
}

std::string QuorvelSetting(const Install& install, const char* section, const char* key,
                           const char* fallback) {
    char value[1024] = {};
    GetPrivateProfileStringA(section, key, fallback, value, sizeof value,
                             install.PathOf("Quorvel.ini").c_str());
    return value;
}
