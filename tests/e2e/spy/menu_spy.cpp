// menu_spy.dll — loaded by the tests into a program under test, it writes down the popup menu
// that program shows. The system lets no other process read a menu, so the reading is done
// from inside.
#include <windows.h>

#include <string>

namespace {

BOOL CALLBACK FindShownMenu(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (lstrcmpA(className, "#32768") != 0 || !IsWindowVisible(window) ||
        process != GetCurrentProcessId())
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// One line per item: its depth in tabs, its command number, a TAB, its text.
void Describe(HMENU menu, int depth, std::string& out) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[1024] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        out.append(depth, '\t');
        UINT id = GetMenuItemID(menu, i);  // a submenu has none
        out += std::to_string(id == 0xFFFFFFFF ? 0 : id);
        out += '\t';
        out += text;
        out += '\n';
        if (HMENU sub = GetSubMenu(menu, i)) Describe(sub, depth + 1, out);
    }
}

std::string SpyFolder() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&SpyFolder), &self);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(self, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

}  // namespace

// Runs on a thread of its own in the program under test; writes "menu_spy.txt" beside itself,
// empty when no menu is shown.
extern "C" __declspec(dllexport) DWORD WINAPI WriteShownMenu(LPVOID) {
    HWND window = nullptr;
    EnumWindows(FindShownMenu, reinterpret_cast<LPARAM>(&window));
    std::string out;
    if (window) {
        auto menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
        if (menu) Describe(menu, 0, out);
    }
    std::string file = SpyFolder() + "menu_spy.txt";
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(handle, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
    CloseHandle(handle);
    return 0;
}
