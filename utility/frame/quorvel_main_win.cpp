// quorvel_main_win.cpp — Quorvel's entry: the single instance and the hand-off of a second start,
// the main window with its controls, layout and colours, the first view and the way out.
#include <windows.h>
#include <commctrl.h>
#include <imm.h>
#include <shellapi.h>

#include "common/command_line.h"
#include "common/file_io.h"
#include "common/profile_ini.h"
#include "common/quotes.h"
#include "common/window_shape_win.h"
#include "common/window_text_win.h"
#include "utility/commands/list_controls_win.h"
#include "utility/commands/path_text.h"
#include "utility/frame/first_view.h"
#include "utility/frame/input_line_win.h"
#include "utility/frame/key_actions_win.h"
#include "utility/frame/layout.h"
#include "utility/frame/list_display_win.h"
#include "utility/frame/kept_files_win.h"
#include "utility/frame/utility_app_win.h"
#include "utility/listing/note_folder_win.h"

UtilityApp utility;

namespace {

constexpr char kClassName[] = "Quorvel";
constexpr int kIconId = 1110;
constexpr UINT_PTR kControlId = 1;

WNDPROC Subclass(HWND control, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

HWND MakeChild(const char* className, DWORD style, int x, int y, int w, int h, UINT_PTR id,
               const char* text) {
    return CreateWindowExA(0, className, text, style, x, y, w, h, utility.mainWindow,
                           reinterpret_cast<HMENU>(id), utility.instance, nullptr);
}

void Place(HWND window, const Placement& p) {
    MoveWindow(window, p.x, p.y, p.width, p.height, TRUE);
}

void LayoutWindow(HWND window, WPARAM sizeType, LPARAM packedSize) {
    if (!utility.listView) return;  // sizes before the controls exist
    RECT client{};
    GetClientRect(window, &client);
    int w = client.right, h = client.bottom;
    Place(utility.listView, ListViewPlacement(w, utility.settings.sizeHeight));
    RECT listClient{};
    GetClientRect(utility.listView, &listClient);
    ChildLayout layout = LayoutChildren(w, h, utility.settings.sizeWidth, listClient.bottom);
    Place(utility.inputLine, layout.inputLine);
    Place(utility.checkBox, layout.checkBox);
    Place(utility.noteCommandBox, layout.noteCommandBox);
    Place(utility.noteTextBox, layout.noteTextBox);
    Place(utility.boardListBox, layout.boardListBox);
    Place(utility.bookmarkListBox, layout.bookmarkListBox);
    SendMessageA(utility.statusBar, WM_SIZE, sizeType, packedSize);
    RoundWindowCorners(window, 20);
}

void ApplyInputColour() {
    if (utility.inputBrush) DeleteObject(utility.inputBrush);
    const UtilitySettings& s = utility.settings;
    utility.inputColour = ToColorRef(s.search != 0 ? s.textColor1 : s.textColor2);
    utility.inputBrush = CreateSolidBrush(utility.inputColour);
    InvalidateRect(utility.inputLine, nullptr, TRUE);
}

// The colours of the stored [mode] which: 1 gives the list view list_color1 and the board
// list box list_color2, 0 the reverse. The value stays as read, so every run looks the same.
void ApplyListColours() {
    for (HBRUSH& brush : utility.listBrushes) {
        if (brush) DeleteObject(brush);
        brush = nullptr;
    }
    const UtilitySettings& s = utility.settings;
    COLORREF first = ToColorRef(s.which != 0 ? s.listColor1 : s.listColor2);
    COLORREF second = ToColorRef(s.which != 0 ? s.listColor2 : s.listColor1);
    utility.boardListColour = second;
    utility.listBrushes[0] = CreateSolidBrush(second);
    utility.listBrushes[1] = CreateSolidBrush(first);
    SendMessageA(utility.listView, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(first));
    SendMessageA(utility.listView, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(first));
    InvalidateRect(utility.boardListBox, nullptr, TRUE);
}

void ApplySettings() {
    ProfileIniStore ini(utility.iniPath);
    utility.settings = ReadUtilitySettings(ini);
    // The folder of the last run stays the current one until a listing succeeds, so a folder
    // that cannot be listed now is not forgotten at the next save.
    utility.listing.nowDir = utility.settings.nowDir;
    const UtilitySettings& s = utility.settings;
    WindowRect rect{s.top, s.bottom, s.right, s.left};
    if (WindowRectUsable(rect))
        MoveWindow(utility.mainWindow, s.left, s.top, s.right - s.left, s.bottom - s.top, TRUE);
    SetWindowTextA(utility.noteCommandBox, DateFilterText(s).c_str());
}

void CloseInputMethod() {
    HIMC context = ImmGetContext(utility.inputLine);
    if (!context) return;
    ImmSetOpenStatus(context, FALSE);
    ImmReleaseContext(utility.inputLine, context);
}

void CreateControls(HWND window) {
    utility.mainWindow = window;
    InitCommonControls();
    utility.iniPath = utility.exeFolder + "Quorvel.ini";
    utility.statusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM, "",
                                            window, kControlId);
    int parts[2] = {50, -1};
    SendMessageA(utility.statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));

    const DWORD editStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE;
    const DWORD listStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT;
    utility.noteTextBox = MakeChild("EDIT", editStyle, 0, 0, 500, 30, kControlId, "");
    utility.inputLine = MakeChild("EDIT", editStyle, 0, 0, 500, 30, kControlId, "");
    utility.noteCommandBox = MakeChild("EDIT", editStyle, 0, 0, 500, 30, kControlId, "");
    utility.checkBox = MakeChild("BUTTON", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 40, 0, 100, 30,
                                 kPastCheckBoxId, "過去");
    utility.boardListBox = MakeChild("LISTBOX", listStyle, 0, 30, 500, 200, kControlId, nullptr);
    utility.bookmarkListBox = MakeChild("LISTBOX", listStyle, 0, 30, 500, 200, kControlId, nullptr);
    HWND listView = MakeChild(
        WC_LISTVIEWA, WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA, 0, 0,
        10, 10, kControlId, nullptr);

    utility.listFont =
        CreateFontA(14, 0, 0, 0, 400, FALSE, FALSE, FALSE, 128, 0, 0, 0, 16, "MS 明朝");
    for (HWND box : {utility.boardListBox, utility.bookmarkListBox})
        SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(utility.listFont), TRUE);
    for (int column = 0; column < 3; ++column) {
        LVCOLUMNA definition{};
        definition.mask = LVCF_WIDTH;
        definition.cx = 50;
        SendMessageA(listView, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&definition));
    }
    for (HWND target : {utility.inputLine, utility.boardListBox, utility.bookmarkListBox, listView})
        DragAcceptFiles(target, TRUE);

    utility.previousInputLine = Subclass(utility.inputLine, InputLineProc);
    utility.previousBoardList = Subclass(utility.boardListBox, ListBoxKeys);
    utility.previousListView = Subclass(listView, ListViewKeys);
    utility.previousCommandBox = Subclass(utility.noteCommandBox, NoteBoxKeys);
    utility.previousTextBox = Subclass(utility.noteTextBox, NoteBoxKeys);
    SendMessageA(utility.inputLine, EM_LIMITTEXT, 0, 0);
    // The layout waits for the last control, so it only runs once every child is there.
    utility.listView = listView;

    ReloadLists();
    ReadStampsAndBookmarks();
    ApplySettings();
    CloseInputMethod();
    ApplyInputColour();
    ApplyListColours();
    SetFocus(utility.inputLine);
    SetForegroundWindow(window);
    RoundWindowCorners(window, 20);
}

// A second start has put its text into the title.
void TakeHandOff() {
    SetWindowTextA(utility.inputLine,
                   WithoutEnclosingQuotes(WindowText(utility.mainWindow)).c_str());
    ReadInputText();
    if (utility.inputText.empty()) QuitUtility();
    ListFolderShown(std::nullopt, false);
    ShowNoteIndex();
    RefreshLists();
    SetFocus(utility.inputLine);
}

void OnCommand(WPARAM wParam) {
    if (LOWORD(wParam) == kPastCheckBoxId) {
        std::string old = utility.exeFolder + "fdir\\old";
        LoadNoteFolder(old, true, 1);
        LoadNoteFolder(old, false, 1);
        RefreshLists();
    }
    if (HIWORD(wParam) == LBN_DBLCLK) {
        RecordRecent();
        std::optional<std::string> item = ReadListBoxItem(utility.boardListBox);
        if (!item) return;
        if (FolderExists(*item)) {
            SetWindowTextA(utility.inputLine, item->c_str());
            ListFolderShown(std::nullopt, false);
            ShowNoteIndex();
            SetFocus(utility.inputLine);
        } else {
            ShellOpen(*item);
        }
    }
}

// A double-click anywhere (the status bar reports one too) acts on the list view's focused row.
LRESULT OnNotify(WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom == utility.listView && header->code == LVN_GETDISPINFOA) {
        FillRowText(*reinterpret_cast<NMLVDISPINFOA*>(lParam));
        return 0;
    }
    if (header->code != static_cast<UINT>(NM_DBLCLK))
        return DefWindowProcA(utility.mainWindow, WM_NOTIFY, wParam, lParam);
    int row = static_cast<int>(
        SendMessageA(utility.listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (row < SendMessageA(utility.listView, LVM_GETITEMCOUNT, 0, 0)) ActivateRow(row);
    return 0;
}

HBRUSH ControlColour(HDC dc, HWND control, UINT message) {
    if (message == WM_CTLCOLOREDIT && control == utility.inputLine && utility.inputBrush) {
        SetBkColor(dc, utility.inputColour);
        return utility.inputBrush;
    }
    if (message == WM_CTLCOLORLISTBOX && control == utility.boardListBox &&
        utility.listBrushes[0]) {
        SetBkColor(dc, utility.boardListColour);
        return utility.listBrushes[0];
    }
    return nullptr;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateControls(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_SETFOCUS:
            SetFocus(utility.inputLine);
            return 0;
        case WM_SIZE:
            LayoutWindow(window, wParam, lParam);
            return 0;
        case WM_COMMAND:
            OnCommand(wParam);
            return 0;
        case WM_NOTIFY:
            return OnNotify(wParam, lParam);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            if (HBRUSH brush = ControlColour(reinterpret_cast<HDC>(wParam),
                                             reinterpret_cast<HWND>(lParam), message))
                return reinterpret_cast<LRESULT>(brush);
            break;
        case kHandOffMessage:
            TakeHandOff();
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int HandOff(HANDLE mutex, const std::string& text) {
    if (HWND first = FindWindowA(kClassName, nullptr)) {
        if (IsIconic(first)) ShowWindow(first, SW_RESTORE);
        SetForegroundWindow(GetLastActivePopup(first));
        if (!text.empty()) {
            SetWindowTextA(first, text.c_str());
            SendMessageA(first, kHandOffMessage, 0, 0);
        }
    }
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return 0;
}

void ShowFirstView(const std::string& commandText) {
    FirstView view = PlanFirstView(commandText, utility.settings.nowDir, utility.settings.nowTxt);
    switch (view.listing) {
        case FirstListing::CommandFolder:
            utility.modeState = ModeState::Normal;
            ListFolderShown(std::nullopt, false);
            RefreshAndFocusList();
            return;
        case FirstListing::SavedFolder:
            SetWindowTextA(utility.inputLine, view.folder.c_str());
            utility.modeState = ModeState::Normal;
            ListFolderShown(std::nullopt, false);
            break;
        case FirstListing::SavedText:
            break;
        case FirstListing::Drives:
            ListDrives();
            RefreshLists();
            FillBookmarkListBox();
            return;
    }
    if (!view.text.empty()) SetWindowTextA(utility.inputLine, view.text.c_str());
    ShowNoteIndex();
    RefreshLists();
    FillBookmarkListBox();
}

}  // namespace

void QuitUtility() {
    if (!utility.quitArmed) return;
    SaveState();
    utility.modeState = ModeState::Quit;
    ShowWindow(utility.mainWindow, SW_MINIMIZE);
    ShowWindow(utility.mainWindow, SW_HIDE);
    PostMessageA(utility.mainWindow, WM_CLOSE, 0, 0);
    utility.quitArmed = false;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::string commandText = CommandTail(GetCommandLineA());
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "_フック_Mutex__2_");
    if (GetLastError() == ERROR_ALREADY_EXISTS) return HandOff(mutex, commandText);

    utility.instance = instance;
    utility.exeFolder = ExecutableFolder();
    WNDCLASSA windowClass{};
    windowClass.style = CS_GLOBALCLASS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kIconId));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) return 1;
    if (!CreateWindowExA(0, kClassName, kClassName, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                         nullptr))
        return 1;

    EnsureFolder(utility.exeFolder + "recent\\");
    utility.fileListPath = utility.exeFolder + "filelist.txt";
    utility.launcherPath = utility.exeFolder + "marnelo.exe";
    LoadNoteFolder(utility.exeFolder + "fdir", true, 0);
    SetWindowTextA(utility.inputLine, WithoutEnclosingQuotes(commandText).c_str());
    ShowFirstView(commandText);
    CreateFolder(utility.exeFolder + "Quorvellog");

    MSG message{};
    while (utility.modeState != ModeState::Quit) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return 0;
}
