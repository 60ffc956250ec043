#include "harness/quorvel.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <vector>

#include "harness/ui.h"
#include "harness/wait.h"
#include "utility/resources/resource.h"

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

const Install& Quorvel::Parked(const Install& install) {
    ParkPointer();
    return install;
}

bool Quorvel::WaitForControls(int timeoutMs) const {
    return WaitFor(
        [&] {
            HWND main = MainWindow();
            return main && ChildrenOf(main).size() == 8 && IsWindowVisible(main);
        },
        timeoutMs);
}

bool Quorvel::WaitInFront(int timeoutMs) const {
    HWND main = nullptr;
    return WaitFor(
               [&] {
                   main = MainWindow();
                   return main && GetForegroundWindow() == main;
               },
               timeoutMs) &&
           SettledOnScreen(main, timeoutMs);
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
    return SendMessageTimeoutA(main, kHandOffMessage, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
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

namespace {

// A block in another process for the list view messages that take a pointer.
class RemoteBlock {
  public:
    RemoteBlock(HWND window, std::size_t size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
        if (process_)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool Usable() const { return address_ != nullptr; }
    char* At(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
    void Write(std::size_t offset, const void* data, std::size_t size) const {
        WriteProcessMemory(process_, At(offset), data, size, nullptr);
    }
    void Read(std::size_t offset, void* data, std::size_t size) const {
        ReadProcessMemory(process_, At(offset), data, size, nullptr);
    }

  private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    std::size_t size_;
};

constexpr std::size_t kCellBytes = 2048;
// Wide characters for one list-box item read from another process.
constexpr std::size_t kItemRoom = 4096;

}  // namespace

std::string StatusBarText(HWND statusBar, int part) {
    RemoteBlock block(statusBar, kCellBytes);
    if (!block.Usable()) return {};
    DWORD_PTR result = 0;
    SendMessageTimeoutA(statusBar, SB_GETTEXTA, static_cast<WPARAM>(part),
                        reinterpret_cast<LPARAM>(block.At(0)), SMTO_NORMAL, 5000, &result);
    std::string text(kCellBytes, '\0');
    block.Read(0, text.data(), kCellBytes);
    return text.substr(0, std::min<std::size_t>(LOWORD(result), kCellBytes));
}

std::vector<std::vector<std::string>> ListViewRows(HWND listView, int columns) {
    std::vector<std::vector<std::string>> rows;
    RemoteBlock block(listView, sizeof(LVITEMA) + kCellBytes);
    if (!block.Usable()) return rows;
    DWORD_PTR count = 0;
    SendMessageTimeoutA(listView, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 5000, &count);
    for (DWORD_PTR row = 0; row < count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column) {
            LVITEMA item{};
            item.mask = LVIF_TEXT;
            item.iSubItem = column;
            item.pszText = block.At(sizeof(LVITEMA));
            item.cchTextMax = kCellBytes;
            block.Write(0, &item, sizeof item);
            DWORD_PTR length = 0;
            SendMessageTimeoutA(listView, LVM_GETITEMTEXTA, row,
                                reinterpret_cast<LPARAM>(block.At(0)), SMTO_NORMAL, 5000, &length);
            std::string text(kCellBytes, '\0');
            block.Read(sizeof(LVITEMA), text.data(), kCellBytes);
            text.resize(length < kCellBytes ? length : 0);
            cells.push_back(text);
        }
        rows.push_back(cells);
    }
    return rows;
}

POINT ListViewRowPoint(HWND listView, int row) {
    RemoteBlock block(listView, sizeof(RECT));
    RECT rect{};
    rect.left = LVIR_LABEL;
    block.Write(0, &rect, sizeof rect);
    DWORD_PTR ok = 0;
    SendMessageTimeoutA(listView, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(block.At(0)),
                        SMTO_NORMAL, 5000, &ok);
    block.Read(0, &rect, sizeof rect);
    POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(listView, &middle);
    return middle;
}

std::vector<std::string> ListBoxItems(HWND listBox) {
    // Between processes the system hands list-box texts over in wide characters only.
    std::vector<std::string> items;
    DWORD_PTR count = 0;
    SendMessageTimeoutW(listBox, LB_GETCOUNT, 0, 0, SMTO_NORMAL, 5000, &count);
    for (DWORD_PTR i = 0; i < count; ++i) {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(listBox, LB_GETTEXTLEN, i, 0, SMTO_NORMAL, 5000, &length);
        // The system copies back as much as the item holds when LB_GETTEXT arrives, and the
        // program may have put a longer text there since LB_GETTEXTLEN: room for any path.
        std::wstring wide(std::max<DWORD_PTR>(length + 1, kItemRoom), L'\0');
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()),
                            SMTO_NORMAL, 5000, &copied);
        wide.resize(copied < wide.size() ? copied : 0);
        std::string text(wide.size() * 2 + 1, '\0');
        int bytes =
            WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                                static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(bytes > 0 ? bytes : 0);
        items.push_back(text);
    }
    return items;
}

void TypeText(const std::string& text) {
    for (char c : text) {
        SHORT scan = VkKeyScanA(c);
        if (scan == -1) {
            // The layout names no key for it (")" and "(" here): the character as a key event.
            INPUT input[2] = {};
            input[0].type = INPUT_KEYBOARD;
            input[0].ki.wScan = static_cast<unsigned char>(c);
            input[0].ki.dwFlags = KEYEVENTF_UNICODE;
            input[1] = input[0];
            input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
            SendInput(2, input, sizeof(INPUT));
            continue;
        }
        WORD key = LOBYTE(scan);
        bool shift = (HIBYTE(scan) & 1) != 0;
        if (shift) PressKey(VK_SHIFT);
        TypeKey(key);
        if (shift) ReleaseKey(VK_SHIFT);
    }
}

void TypeChord(std::initializer_list<WORD> modifiers, WORD key) {
    for (WORD modifier : modifiers) PressKey(modifier);
    TypeKey(key);
    for (auto it = modifiers.end(); it != modifiers.begin();) ReleaseKey(*--it);
}
