#include "launcher/win/main_menu_win.h"

#include <commdlg.h>
#include <shellapi.h>

#include <string>
#include <utility>
#include <vector>

#include "common/file_io.h"
#include "launcher/resources/messages.h"
#include "launcher/resources/texts.h"
#include "launcher/rules/menu_entries.h"
#include "launcher/rules/run_plan.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/mini_tool_win.h"
#include "launcher/win/note_loader_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/popup_menu_win.h"
#include "launcher/win/run_note_win.h"

namespace {

// Without a page, or without a program for it, the menu item would do nothing visible at all.
void OpenHelpPage() {
    if (ShellStarted(marnelo.paths.helpPage, "")) return;
    std::string text = kHelpNotOpenedText + marnelo.paths.helpPage;
    MessageBoxA(nullptr, text.c_str(), "Marnelo", MB_OK | MB_ICONWARNING);
}

// A new, empty board chosen in a save dialog, then shown through a second copy.
void MakeNewNoteFile() {
    static const char types[] = "Marnelo files {*.marnl}\0*.marnl\0Text files {*.txt}\0*.txt\0";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ui.mainWindow;
    dialog.lpstrFilter = types;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = ui.newFileName;
    dialog.nMaxFile = sizeof ui.newFileName;
    dialog.lpstrInitialDir = marnelo.paths.dataFolder.c_str();
    // The working folder stays where the user started us: relative paths mean that folder.
    dialog.Flags =
        OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&dialog)) return;
    std::string chosen = ui.newFileName;
    std::string path = WithNoteFileExtension(chosen, static_cast<int>(dialog.nFilterIndex));
    // The dialog asked only about the name as typed: a file that the added extension happens
    // to name is opened as it is, not emptied.
    if (NewBoardIsEmptied(chosen, path, MayExist(path))) ReplaceWholeFile(path, "");
    std::string self = ExecutablePath();
    if (!self.empty()) ShellStarted(self, HandOverArgument(path, marnelo.paths.dataFolder));
}

// The lists as the menu showed them: a hand-over while the menu is open may change the live
// ones, and the number chosen belongs to what was shown.
struct ShownBoards {
    std::vector<std::string> folder, outside;
};

// The menu's fixed commands; any other number above 0 is a board of the lists shown.
const std::pair<unsigned, void (*)()> kFixedCommands[] = {
    // As an "end" handed over: it waits for an open Edit dialog, so what is typed there is kept.
    {kMainEnd, [] { PostMessageA(ui.mainWindow, MSG_END, 0, 0); }},
    {kMainNewNote, [] { CreateNoteFromClipboard(kTextNote); }},
    {kMainNewNoteFile, MakeNewNoteFile},
    {kMainHelp, OpenHelpPage},
    {kMainMiniTool, OpenMiniTool}};

void CarryOut(unsigned command, const ShownBoards& shown) {
    if (command == 0) return;
    for (const auto& [fixed, carryOut] : kFixedCommands) {
        if (fixed != command) continue;
        carryOut();
        return;
    }
    if (std::optional<std::string> target = MainMenuBoard(command, shown.folder, shown.outside))
        SwitchThroughSecondCopy(*target);
}

}  // namespace

void OpenMainMenu(HWND window) {
    ShownBoards shown{marnelo.board.folderBoards, marnelo.board.outsideBoards};
    HMENU menu = CreatePopupMenu();
    for (const MenuEntry& entry : MainMenuItems(shown.folder, shown.outside))
        InsertAtTop(menu, entry);
    unsigned command = TrackAtPointer(menu, window);
    DestroyMenu(menu);
    CarryOut(command, shown);
}

namespace {

NOTIFYICONDATAA TrayData(HWND mainWindow) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = mainWindow;
    data.uID = TRAY_ICON_ID;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = MSG_TRAY;
    data.hIcon = LoadIconA(ui.instance, MAKEINTRESOURCEA(IDI_MARNELO));
    lstrcpynA(data.szTip, "marn", sizeof data.szTip);
    return data;
}

}  // namespace

bool AddTrayIcon(HWND mainWindow, int attempts) {
    NOTIFYICONDATAA data = TrayData(mainWindow);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0) Sleep(300);
        if (Shell_NotifyIconA(NIM_ADD, &data)) return true;
    }
    return false;
}

void RemoveTrayIcon(HWND mainWindow) {
    NOTIFYICONDATAA data = TrayData(mainWindow);
    Shell_NotifyIconA(NIM_DELETE, &data);
}
