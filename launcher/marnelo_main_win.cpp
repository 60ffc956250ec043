// marnelo_main_win.cpp — Marnelo's entry: the board a start opens, the single instance and the
// hand-off of a second start, start-up, the message loop and shutdown.
#include <windows.h>

#include <cstdlib>
#include <ctime>

#include "common/command_line.h"
#include "common/file_io.h"
#include "common/profile_ini.h"
#include "launcher/model/board_list.h"
#include "launcher/model/colours.h"
#include "launcher/model/settings.h"
#include "launcher/resources/messages.h"
#include "launcher/resources/texts.h"
#include "launcher/rules/handoff.h"
#include "launcher/rules/start_up_read.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/board_store_win.h"
#include "launcher/win/board_sync_win.h"
#include "launcher/win/clock_thread_win.h"
#include "launcher/win/image_library_win.h"
#include "launcher/win/main_menu_win.h"
#include "launcher/win/note_loader_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/note_window_win.h"
#include "launcher/win/run_note_win.h"
#include "launcher/win/window_proc_win.h"

namespace {

BOOL CALLBACK FindNoteWindowProc(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (!TakesHandOff(className, GetWindowTextLengthA(window))) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

constexpr int kHandOffAttempts = 5;

int HandOff(HANDLE mutex, const std::string& argument) {
    Handoff handoff = PlanHandoff(argument, marnelo.board.currentBoardPath);
    HWND target = nullptr;
    // The running copy makes its note windows anew when another PC changed the board: a window
    // found a moment ago may be gone, and then another one takes the request. Once the title is
    // written the running copy keeps its windows until it has read it.
    for (int attempt = 0; attempt < kHandOffAttempts; ++attempt) {
        target = nullptr;
        EnumWindows(FindNoteWindowProc, reinterpret_cast<LPARAM>(&target));
        if (!target) break;
        if (IsIconic(target)) ShowWindow(target, SW_RESTORE);
        SetForegroundWindow(GetLastActivePopup(target));
        if (SetWindowTextA(target, handoff.title.c_str())) break;
    }
    // A second instance never owns the mutex: closing the handle is all there is to release.
    CloseHandle(mutex);
    if (target) SendMessageA(target, handoff.message, 0, 0);
    return 0;
}

bool RegisterNoteClass() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MarneloWindowProc;
    windowClass.hInstance = ui.instance;
    windowClass.hIcon = LoadIconA(ui.instance, MAKEINTRESOURCEA(IDI_MARNELO));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

void MakePaletteBrushes() {
    for (int i = 0; i < kColourCount; ++i)
        ui.paletteBrushes[i] = CreateSolidBrush(ToColorRef(kColourTable[i]));
}

bool PathHoldsContent(const std::string& path) {
    return HoldsContent(FileSize(path), MayExist(path), FileExists(path), FolderExists(path));
}

class StartUpDisk : public StartUpFiles {
  public:
    bool ReadOutsideList() override {
        const std::string& file = marnelo.paths.outsideListFile;
        std::optional<std::string> text = ReadWholeFile(file);
        marnelo.board.outsideListUnreadable = !text && MayExist(file);
        if (text) ::ReadOutsideList(marnelo.board.outsideBoards, *text, marnelo.paths.dataFolder);
        return text.has_value();
    }
    bool ReadBoard() override {
        const std::string& path = marnelo.board.currentBoardPath;
        std::optional<std::string> text = ReadWholeFile(path);
        marnelo.board.boardUnreadable = !text && MayExist(path);
        if (text) LoadNotes(*text, path);
        return text.has_value();
    }
    bool OutsideListHoldsContent() override {
        return PathHoldsContent(marnelo.paths.outsideListFile);
    }
    bool BoardHoldsContent() override { return PathHoldsContent(marnelo.board.currentBoardPath); }
    bool AskToReadAgain() override {
        return MessageBoxA(nullptr, kReadAgainQuestion, kMessageCaption,
                           MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    // The common notes are shown with every board, also in place of one that could not be
    // read; a later save then still finds them and does not drop the common file.
    void ShowCommonNotes(bool withDefaultNote) override {
        LoadNotes("", marnelo.board.currentBoardPath, withDefaultNote);
    }
};

void ShutDown() {
    StopImageLibrary();
    RemoveTrayIcon(ui.mainWindow);
    for (HBRUSH& brush : ui.paletteBrushes) {
        DeleteObject(brush);
        brush = nullptr;
    }
    ReleaseNoteObjects();
    FreeAliases();
}

// Another PC may change the boards through a synced folder. Polled here, between messages, so a
// dialog, menu or drag, which run loops of their own, is never disturbed: the poll catches up
// when it ends.
constexpr DWORD kSharedBoardPoll = 1000;

int RunMessageLoop() {
    DWORD lastPoll = GetTickCount();
    for (;;) {
        DWORD since = GetTickCount() - lastPoll;
        DWORD wait = since >= kSharedBoardPoll ? 0 : kSharedBoardPoll - since;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (GetTickCount() - lastPoll < kSharedBoardPoll || !IsWindow(ui.mainWindow)) continue;
        PollSharedBoards();
        lastPoll = GetTickCount();
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ui.instance = instance;
    marnelo.paths = BuildLauncherPaths(ExecutableFolder());
    ScanFolderBoards();
    std::string argument = ArgumentOf(CommandTail(GetCommandLineA()));
    if (IsRelativeBoardPath(argument)) argument = FullPathOf(argument);
    BoardChoice choice = ChooseBoard(marnelo.paths, argument);
    marnelo.board.currentBoardName = choice.name;
    marnelo.board.currentBoardPath = choice.path;
    marnelo.board.deletedNotesPath = choice.deletedPath;
    if (choice.createFolders) {
        CreateFolder(marnelo.paths.dataFolder);
        CreateFolder(marnelo.paths.imageFolder);
        CreateFolder(marnelo.paths.deletedFolder);
    }

    HANDLE mutex = CreateMutexA(nullptr, TRUE, kMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) return HandOff(mutex, argument);
    if (const char* refusal = FirstStartRefusal(argument)) {
        MessageBoxA(nullptr, refusal, kMessageCaption, MB_OK);
        return 0;
    }

    StartImageLibrary();
    if (!RegisterNoteClass()) return -1;
    MakePaletteBrushes();
    ProfileIniStore ini(marnelo.paths.settingsFile);
    marnelo.settings = ReadSettings(ini);

    ui.mainWindow = CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, kMainWindowTitle,
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, -100, -100, 10, 10, nullptr,
                                    nullptr, instance, nullptr);
    if (!ui.mainWindow) return -1;
    // In 96-DPI units, as every place a note gets.
    HDC screen = GetDC(ui.mainWindow);
    marnelo.screenWidth = PixelsToUnits(GetDeviceCaps(screen, HORZRES), ScreenDpi());
    marnelo.screenHeight = PixelsToUnits(GetDeviceCaps(screen, VERTRES), ScreenDpi());
    ReleaseDC(ui.mainWindow, screen);
    LoadAliasFile(marnelo.paths.aliasFile);

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    StartUpDisk files;
    ReadFilesAtStartUp(files);
    if (!AddTrayIcon(ui.mainWindow, 10)) return -1;
    ui.taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    StartClockThread(ui.mainWindow);
    CreateFolder(marnelo.paths.logFolder);

    int exitCode = RunMessageLoop();
    ShutDown();
    return exitCode;
}
