// quorvel_main_win.cpp — Quorvel's entry: the single instance and the hand-off of a second start,
// the main window with its controls, layout and colours, the first view and the way out.
#include <windows.h>
#include <commctrl.h>
#include <imm.h>
#include <shellapi.h>

#include "common/command_line.h"
#include "common/file_io.h"
#include "common/file_names.h"
#include "common/profile_ini.h"
#include "common/quotes.h"
#include "common/screens_win.h"
#include "common/window_shape_win.h"
#include "common/window_text_win.h"
#include "utility/model/path_text.h"
#include "utility/resources/texts.h"
#include "utility/rules/first_view.h"
#include "utility/rules/layout.h"
#include "utility/win/input_line_win.h"
#include "utility/win/kept_files_win.h"
#include "utility/win/key_actions_win.h"
#include "utility/win/list_controls_win.h"
#include "utility/win/list_display_win.h"
#include "utility/win/note_folder_win.h"
#include "utility/win/utility_app_win.h"

// The one run of the program, and its windows.
QuorvelState quorvel;
QuorvelWindows ui;

namespace {

constexpr char kClassName[] = "Quorvel";
// Older headers lack it; a system that never sends it never needs it.
constexpr UINT kDpiChanged = 0x02E0;

WNDPROC Subclass(HWND control, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

HWND MakeChild(const char* className, DWORD style, int x, int y, int w, int h, UINT_PTR id,
               const char* text) {
    return CreateWindowExA(0, className, text, style, x, y, w, h, ui.mainWindow,
                           reinterpret_cast<HMENU>(id), ui.instance, nullptr);
}

constexpr int kCornerEllipse = 20;  // in 96-DPI units, as every figure of the layout

// The layout is figured in 96-DPI units and placed in pixels.
void Place(HWND window, const Placement& p) {
    ScreenBox box = UnitsToPixels(ScreenBox{p.x, p.y, p.width, p.height}, ui.dpi);
    MoveWindow(window, box.left, box.top, box.width, box.height, TRUE);
}

void MakeListFont() {
    HFONT old = ui.listFont;
    ui.listFont = CreateFontA(UnitsToPixels(14, ui.dpi), 0, 0, 0, 400, FALSE, FALSE, FALSE, 128, 0,
                              0, 0, 16, kListFontName);
    for (HWND box : {ui.boardListBox, ui.bookmarkListBox})
        SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(ui.listFont), TRUE);
    if (old) DeleteObject(old);
}

void LayoutWindow(HWND window, WPARAM sizeType, LPARAM packedSize) {
    if (!ui.listView) return;  // sizes before the controls exist
    RECT client{};
    GetClientRect(window, &client);
    int w = PixelsToUnits(client.right, ui.dpi), h = PixelsToUnits(client.bottom, ui.dpi);
    Place(ui.listView, ListViewPlacement(w, quorvel.settings.sizeHeight));
    RECT listClient{};
    GetClientRect(ui.listView, &listClient);
    ChildLayout layout =
        LayoutChildren(w, h, quorvel.settings.sizeWidth, PixelsToUnits(listClient.bottom, ui.dpi));
    Place(ui.inputLine, layout.inputLine);
    Place(ui.checkBox, layout.checkBox);
    Place(ui.noteCommandBox, layout.noteCommandBox);
    Place(ui.noteTextBox, layout.noteTextBox);
    Place(ui.boardListBox, layout.boardListBox);
    Place(ui.bookmarkListBox, layout.bookmarkListBox);
    SendMessageA(ui.statusBar, WM_SIZE, sizeType, packedSize);
    RoundWindowCorners(window, UnitsToPixels(kCornerEllipse, ui.dpi));
}

// The window went to a monitor of another DPI, or the DPI changed.
void FollowDpiChange(HWND window, int dpi, const RECT& suggested) {
    // Placed from the ini, the window is already sized for the DPI it was put at.
    if (dpi != ui.dpi) {
        ui.dpi = dpi;
        MakeListFont();
        SetWindowPos(window, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client{};
    GetClientRect(window, &client);
    LayoutWindow(window, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

// After the screens changed a window on none of them is brought back.
void KeepWindowReachable(HWND window) {
    if (IsIconic(window)) return;
    ScreenBox now = WindowBoxOf(window);
    ScreenBox kept = PulledIntoReach(now, CurrentMonitors());
    if (!(kept == now)) MoveWindow(window, kept.left, kept.top, kept.width, kept.height, TRUE);
}

void ApplyInputColour() {
    if (ui.inputBrush) DeleteObject(ui.inputBrush);
    ui.inputColour = ToColorRef(InputColour(quorvel.settings));
    ui.inputBrush = CreateSolidBrush(ui.inputColour);
    InvalidateRect(ui.inputLine, nullptr, TRUE);
}

// The value of [mode] which stays as read, so every run looks the same.
void ApplyListColours() {
    for (HBRUSH& brush : ui.listBrushes) {
        if (brush) DeleteObject(brush);
        brush = nullptr;
    }
    ListColours colours = ListColoursOf(quorvel.settings);
    COLORREF first = ToColorRef(colours.listView);
    COLORREF second = ToColorRef(colours.boardList);
    ui.boardListColour = second;
    ui.listBrushes[0] = CreateSolidBrush(second);
    ui.listBrushes[1] = CreateSolidBrush(first);
    SendMessageA(ui.listView, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(first));
    SendMessageA(ui.listView, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(first));
    InvalidateRect(ui.boardListBox, nullptr, TRUE);
}

void ApplySettings() {
    ProfileIniStore ini(quorvel.iniPath);
    quorvel.settings = ReadUtilitySettings(ini);
    // The folder of the last run stays the current one until a listing succeeds, so a folder
    // that cannot be listed now is not forgotten at the next save.
    quorvel.listing.nowDir = quorvel.settings.nowDir;
    const UtilitySettings& s = quorvel.settings;
    // A place on any screen is kept; one on no screen is brought onto the nearest.
    if (std::optional<ScreenBox> units = StoredWindowBox({s.top, s.bottom, s.right, s.left})) {
        WindowPlace place = PlaceUnits(*units, CurrentMonitors());
        ui.dpi = place.dpi;
        MakeListFont();
        const ScreenBox& p = place.pixels;
        MoveWindow(ui.mainWindow, p.left, p.top, p.width, p.height, TRUE);
    }
    SetWindowTextA(ui.noteCommandBox, DateFilterText(s).c_str());
}

void CloseInputMethod() {
    HIMC context = ImmGetContext(ui.inputLine);
    if (!context) return;
    ImmSetOpenStatus(context, FALSE);
    ImmReleaseContext(ui.inputLine, context);
}

void CreateControls(HWND window) {
    ui.mainWindow = window;
    InitCommonControls();
    quorvel.iniPath = quorvel.exeFolder + "Quorvel.ini";
    ui.statusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM, "",
                                       window, IDC_CONTROL);
    int parts[2] = {50, -1};
    SendMessageA(ui.statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));

    const DWORD editStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE;
    const DWORD listStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT;
    ui.noteTextBox = MakeChild("EDIT", editStyle, 0, 0, 500, 30, IDC_CONTROL, "");
    ui.inputLine = MakeChild("EDIT", editStyle, 0, 0, 500, 30, IDC_CONTROL, "");
    ui.noteCommandBox = MakeChild("EDIT", editStyle, 0, 0, 500, 30, IDC_CONTROL, "");
    ui.checkBox = MakeChild("BUTTON", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 40, 0, 100, 30,
                            IDC_PAST, kPastCheckText);
    ui.boardListBox = MakeChild("LISTBOX", listStyle, 0, 30, 500, 200, IDC_CONTROL, nullptr);
    ui.bookmarkListBox = MakeChild("LISTBOX", listStyle, 0, 30, 500, 200, IDC_CONTROL, nullptr);
    HWND listView = MakeChild(
        WC_LISTVIEWA, WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA, 0, 0,
        10, 10, IDC_CONTROL, nullptr);

    ui.dpi = WindowDpi(window);
    MakeListFont();
    for (int column = 0; column < 3; ++column) {
        LVCOLUMNA definition{};
        definition.mask = LVCF_WIDTH;
        definition.cx = 50;
        SendMessageA(listView, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&definition));
    }
    for (HWND target : {ui.inputLine, ui.boardListBox, ui.bookmarkListBox, listView})
        DragAcceptFiles(target, TRUE);

    ui.previousInputLine = Subclass(ui.inputLine, InputLineProc);
    ui.previousBoardList = Subclass(ui.boardListBox, ListBoxKeys);
    ui.previousListView = Subclass(listView, ListViewKeys);
    ui.previousCommandBox = Subclass(ui.noteCommandBox, NoteBoxKeys);
    ui.previousTextBox = Subclass(ui.noteTextBox, NoteBoxKeys);
    SendMessageA(ui.inputLine, EM_LIMITTEXT, 0, 0);
    // The layout waits for the last control, so it only runs once every child is there.
    ui.listView = listView;

    ReloadLists();
    ReadStampsAndBookmarks();
    ApplySettings();
    CloseInputMethod();
    ApplyInputColour();
    ApplyListColours();
    SetFocus(ui.inputLine);
    SetForegroundWindow(window);
    RoundWindowCorners(window, UnitsToPixels(kCornerEllipse, ui.dpi));
}

// A second start has put its text into the title.
void TakeHandOff() {
    SetWindowTextA(ui.inputLine, WithoutEnclosingQuotes(WindowText(ui.mainWindow)).c_str());
    ReadInputText();
    if (quorvel.inputText.empty()) QuitUtility();
    ListFolderShown(std::nullopt, false);
    ShowNoteIndex();
    RefreshLists();
    SetFocus(ui.inputLine);
}

void OnCommand(WPARAM wParam) {
    if (LOWORD(wParam) == IDC_PAST) {
        std::string old = PastNoteFolderPath(quorvel.exeFolder);
        LoadNoteFolder(old, true, 1);
        LoadNoteFolder(old, false, 1);
        RefreshLists();
    }
    if (HIWORD(wParam) == LBN_DBLCLK) {
        RecordRecent();
        std::optional<std::string> item = ReadListBoxItem(ui.boardListBox);
        if (item) ListOrStart(*item);
    }
}

// A double-click anywhere (the status bar reports one too) acts on the list view's focused row.
LRESULT OnNotify(WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom == ui.listView && header->code == LVN_GETDISPINFOA) {
        FillRowText(*reinterpret_cast<NMLVDISPINFOA*>(lParam));
        return 0;
    }
    if (header->code != static_cast<UINT>(NM_DBLCLK))
        return DefWindowProcA(ui.mainWindow, WM_NOTIFY, wParam, lParam);
    int row = static_cast<int>(
        SendMessageA(ui.listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (row < SendMessageA(ui.listView, LVM_GETITEMCOUNT, 0, 0)) ActivateRow(row);
    return 0;
}

HBRUSH ControlColour(HDC dc, HWND control, UINT message) {
    if (message == WM_CTLCOLOREDIT && control == ui.inputLine && ui.inputBrush) {
        SetBkColor(dc, ui.inputColour);
        return ui.inputBrush;
    }
    if (message == WM_CTLCOLORLISTBOX && control == ui.boardListBox && ui.listBrushes[0]) {
        SetBkColor(dc, ui.boardListColour);
        return ui.listBrushes[0];
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
            SetFocus(ui.inputLine);
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
        case kDpiChanged:
            FollowDpiChange(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DISPLAYCHANGE:
            KeepWindowReachable(window);
            break;
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
    FirstView view = PlanFirstView(commandText, quorvel.settings.nowDir, quorvel.settings.nowTxt);
    switch (view.listing) {
        case FirstListing::CommandFolder:
            quorvel.modeState = ModeState::Normal;
            ListFolderShown(std::nullopt, false);
            RefreshAndFocusList();
            return;
        case FirstListing::SavedFolder:
            SetWindowTextA(ui.inputLine, view.folder.c_str());
            quorvel.modeState = ModeState::Normal;
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
    if (!view.text.empty()) SetWindowTextA(ui.inputLine, view.text.c_str());
    ShowNoteIndex();
    RefreshLists();
    FillBookmarkListBox();
}

}  // namespace

void QuitUtility() {
    if (!quorvel.quitArmed) return;
    SaveState();
    quorvel.modeState = ModeState::Quit;
    ShowWindow(ui.mainWindow, SW_MINIMIZE);
    ShowWindow(ui.mainWindow, SW_HIDE);
    PostMessageA(ui.mainWindow, WM_CLOSE, 0, 0);
    quorvel.quitArmed = false;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::string commandText = CommandTail(GetCommandLineA());
    HANDLE mutex = CreateMutexA(nullptr, TRUE, kInstanceMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) return HandOff(mutex, commandText);

    ui.instance = instance;
    quorvel.exeFolder = ExecutableFolder();
    WNDCLASSA windowClass{};
    windowClass.style = CS_GLOBALCLASS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_QUORVEL));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) return 1;
    if (!CreateWindowExA(0, kClassName, kClassName, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                         nullptr))
        return 1;

    // Only made when missing: the working folder stays where Quorvel was started, which is
    // where the F6 to F9 commands, Marnelo and relative names expect it.
    CreateFolder(quorvel.exeFolder + "recent\\");
    quorvel.fileListPath = quorvel.exeFolder + kOutsideListName;
    quorvel.launcherPath = quorvel.exeFolder + "marnelo.exe";
    LoadNoteFolder(NoteFolderPath(quorvel.exeFolder), true, 0);
    SetWindowTextA(ui.inputLine, WithoutEnclosingQuotes(commandText).c_str());
    ShowFirstView(commandText);
    CreateFolder(quorvel.exeFolder + "Quorvellog");

    MSG message{};
    while (quorvel.modeState != ModeState::Quit) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return 0;
}
