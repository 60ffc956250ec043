#include "harness/menus.h"

#include <tlhelp32.h>

#include <cstdio>

#include "common/file_io.h"
#include "harness/install.h"
#include "harness/ui.h"
#include "harness/wait.h"

namespace {

constexpr char kSpyName[] = "test_spy.dll";

struct MenuSearch {
    DWORD process;
    bool found;
};

BOOL CALLBACK FindMenuOf(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<MenuSearch*>(search);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (lstrcmpA(className, "#32768") == 0 && IsWindowVisible(window) && process == s->process) {
        s->found = true;
        return FALSE;
    }
    return TRUE;
}

// Base address of a module in another process, or nullptr.
BYTE* RemoteModule(DWORD processId, const char* name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) return nullptr;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    BYTE* base = nullptr;
    for (BOOL more = Module32First(snapshot, &entry); more; more = Module32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szModule, name) == 0) base = entry.modBaseAddr;
    CloseHandle(snapshot);
    return base;
}

// The thread's exit code, or nothing when it did not run or end in time.
std::optional<DWORD> RunRemoteThread(HANDLE process, void* start, void* argument) {
    HANDLE thread = CreateRemoteThread(
        process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(start), argument, 0, nullptr);
    if (!thread) return std::nullopt;
    DWORD code = 0;
    bool ended =
        WaitForSingleObject(thread, 5000) == WAIT_OBJECT_0 && GetExitCodeThread(thread, &code);
    CloseHandle(thread);
    return ended ? std::optional<DWORD>(code) : std::nullopt;
}

// Loads the spy into the other process once; the address of its entry `name` there, or nullptr.
void* RemoteSpyEntry(HANDLE process, DWORD processId, const char* name) {
    std::string path = BuildFolder() + kSpyName;
    HMODULE local = LoadLibraryA(path.c_str());
    if (!local) return nullptr;
    auto* localEntry = reinterpret_cast<BYTE*>(GetProcAddress(local, name));
    if (!RemoteModule(processId, kSpyName)) {
        void* remotePath = VirtualAllocEx(process, nullptr, path.size() + 1,
                                          MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!remotePath) return nullptr;
        WriteProcessMemory(process, remotePath, path.c_str(), path.size() + 1, nullptr);
        // kernel32 lies at the same address in every process of the session.
        void* loadLibrary = reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA"));
        RunRemoteThread(process, loadLibrary, remotePath);
        VirtualFreeEx(process, remotePath, 0, MEM_RELEASE);
    }
    BYTE* remoteBase = RemoteModule(processId, kSpyName);
    if (!remoteBase || !localEntry) return nullptr;
    return remoteBase + (localEntry - reinterpret_cast<BYTE*>(local));
}

std::string ReadSpyFile() {
    std::string path = BuildFolder() + "menu_spy.txt";
    std::string text = ReadWholeFile(path).value_or("");
    DeleteFileA(path.c_str());
    return text;
}

bool RunSpy(DWORD processId, const char* entryName) {
    return CallSpy(processId, entryName).has_value();
}

}  // namespace

std::optional<DWORD> CallSpy(DWORD processId, const char* entryName, UINT_PTR argument) {
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId);
    if (!process) return std::nullopt;
    void* entry = RemoteSpyEntry(process, processId, entryName);
    std::optional<DWORD> result;
    if (entry) result = RunRemoteThread(process, entry, reinterpret_cast<void*>(argument));
    CloseHandle(process);
    return result;
}

bool OpenNoteMenu(const Marnelo& app, const NoteView& view) {
    MovePointerTo(view.rect.left + 30, view.rect.top + 20);
    Settle(100);
    PressRightButton();
    ReleaseRightButton();
    return WaitForShownMenu(app.Id());
}

bool WaitForShownMenu(DWORD processId, int timeoutMs) {
    return WaitFor(
        [&] {
            MenuSearch search{processId, false};
            EnumWindows(FindMenuOf, reinterpret_cast<LPARAM>(&search));
            return search.found;
        },
        timeoutMs);
}

std::vector<ShownMenuItem> ShownMenu(DWORD processId) {
    std::vector<ShownMenuItem> items;
    if (!RunSpy(processId, "WriteShownMenu")) return items;
    std::string text = ReadSpyFile();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ShownMenuItem item;
        while (item.depth < static_cast<int>(line.size()) && line[item.depth] == '\t') ++item.depth;
        std::size_t tab = line.find('\t', item.depth);
        if (tab == std::string::npos) continue;
        item.command = std::stoul(line.substr(item.depth, tab - item.depth));
        item.text = line.substr(tab + 1);
        items.push_back(item);
    }
    return items;
}

std::vector<std::string> MenuTexts(const std::vector<ShownMenuItem>& items,
                                   const std::string& parent) {
    std::vector<std::string> texts;
    int depth = 0;
    bool inside = parent.empty();
    for (const ShownMenuItem& item : items) {
        if (!parent.empty() && item.depth == 0) {
            inside = item.text == parent;
            depth = 1;
            continue;
        }
        if (inside && item.depth == depth) texts.push_back(item.text);
    }
    return texts;
}

namespace {

void TypeAndWait(WORD key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        TypeKey(key);
        Sleep(30);
    }
}

}  // namespace

bool DropFiles(DWORD processId, HWND window, const std::vector<std::string>& paths) {
    char handle[32];
    std::snprintf(handle, sizeof handle, "%llx",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    std::string text = handle;
    for (const std::string& path : paths) text += "\n" + path;
    std::string file = BuildFolder() + "drop_spy.txt";
    HANDLE out = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(out);
    return RunSpy(processId, "DropListedFiles");
}

void ChooseMenuPosition(int position) {
    TypeAndWait(VK_DOWN, position + 1);  // nothing is selected when a menu opens
    TypeAndWait(VK_RETURN);
}

void ChooseSubmenuPosition(int parent, int position) {
    TypeAndWait(VK_DOWN, parent + 1);
    TypeAndWait(VK_RIGHT);  // opens the submenu on its first item
    TypeAndWait(VK_DOWN, position);
    TypeAndWait(VK_RETURN);
}
