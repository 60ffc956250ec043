// test_spy.dll — loaded by the tests into a program under test, it does from inside what no
// other process may: it writes down the popup menu the program shows, drops files onto a
// window as the shell would, and makes one of the program's writes fail.
#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>
#include <vector>

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

std::string ReadSpyFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    CloseHandle(file);
    text.resize(read);
    return text;
}

std::string SpyFolder() {
    HMODULE self = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&SpyFolder), &self);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(self, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The program's writes to disk, counted from the last arming: every call of WriteFile and
// MoveFileExA through its own imports. The one numbered `failingWrite` fails as a full disk.
LONG writes = 0;
LONG failingWrite = 0;
decltype(&WriteFile) realWriteFile = nullptr;
decltype(&MoveFileExA) realMoveFileExA = nullptr;

bool ThisWriteFails() {
    return InterlockedIncrement(&writes) == failingWrite;
}

BOOL WINAPI CountedWriteFile(HANDLE file, LPCVOID data, DWORD size, LPDWORD done,
                             LPOVERLAPPED overlapped) {
    if (!ThisWriteFails()) return realWriteFile(file, data, size, done, overlapped);
    if (done) *done = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

BOOL WINAPI CountedMoveFileExA(LPCSTR from, LPCSTR to, DWORD flags) {
    if (!ThisWriteFails()) return realMoveFileExA(from, to, flags);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

// Points the executable's import of `name` at `hook`; the import's old target goes to `real`.
template <typename Function>
bool RedirectImport(const char* name, Function hook, Function& real) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; imports.VirtualAddress && module->Name; ++module) {
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(
            base + (module->OriginalFirstThunk ? module->OriginalFirstThunk : module->FirstThunk));
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), name) != 0) continue;
            DWORD protection = 0;
            if (!VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                                &protection))
                return false;
            if (reinterpret_cast<Function>(slots->u1.Function) != hook)
                real = reinterpret_cast<Function>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(hook);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return true;
        }
    }
    return false;
}

}  // namespace

// Each entry runs on a thread of its own in the program under test.

// Counts the program's writes from zero and makes write number `failing` fail (0: none).
// Returns 1 when both imports were found.
extern "C" __declspec(dllexport) DWORD WINAPI FailNthWrite(LPVOID failing) {
    InterlockedExchange(&failingWrite, static_cast<LONG>(reinterpret_cast<UINT_PTR>(failing)));
    InterlockedExchange(&writes, 0);
    bool redirected = RedirectImport("WriteFile", &CountedWriteFile, realWriteFile) &&
                      RedirectImport("MoveFileExA", &CountedMoveFileExA, realMoveFileExA);
    return redirected ? 1 : 0;
}

// The number of writes since the last arming.
extern "C" __declspec(dllexport) DWORD WINAPI CountedWrites(LPVOID) {
    return static_cast<DWORD>(InterlockedCompareExchange(&writes, 0, 0));
}

// Writes "menu_spy.txt" beside the spy, empty when no menu is shown.
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

// Reads "drop_spy.txt" beside the spy, a window handle in hexadecimal and one path per line,
// and posts that window the drop of those files.
extern "C" __declspec(dllexport) DWORD WINAPI DropListedFiles(LPVOID) {
    std::string text = ReadSpyFile(SpyFolder() + "drop_spy.txt");
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (lines.empty()) return 1;
    // No exception may leave the spy: it would end the program under test.
    HWND target = reinterpret_cast<HWND>(std::strtoull(lines[0].c_str(), nullptr, 16));
    if (!IsWindow(target)) return 1;
    std::string names;
    for (std::size_t i = 1; i < lines.size(); ++i) names += lines[i] + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    CopyMemory(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    return 0;
}
