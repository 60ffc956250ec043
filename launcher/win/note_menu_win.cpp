#include "launcher/win/note_menu_win.h"

#include <string>

#include "common/clipboard_win.h"
#include "common/window_text_win.h"
#include "launcher/resources/messages.h"
#include "launcher/rules/menu_entries.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/board_store_win.h"
#include "launcher/win/edit_dialog_win.h"
#include "launcher/win/note_loader_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/note_window_win.h"
#include "launcher/win/popup_menu_win.h"
#include "launcher/win/run_note_win.h"

namespace {

HMENU BuildNoteMenu() {
    HMENU menu = CreatePopupMenu();
    HMENU boards = CreateMenu();
    for (const MenuEntry& entry :
         MoveMenuEntries(marnelo.board.folderBoards, marnelo.board.outsideBoards,
                         marnelo.board.currentBoardName))
        InsertAtTop(boards, entry);
    for (const MenuEntry& entry : NoteMenuItems())
        InsertAtTop(menu, entry, entry.command == 0 ? boards : nullptr);
    return menu;
}

std::string TextOfNoteWindow(HWND window) {
    int index = FindNoteOfWindow(window);
    if (index < 0) return {};
    return WindowText(ui.noteWindows[index].textControl);
}

void MoveToChosenBoard(HWND window, unsigned command) {
    std::optional<std::string> target =
        MoveTargetOf(command, marnelo.board.folderBoards, marnelo.board.outsideBoards);
    int index = FindNoteOfWindow(window);
    if (!target || index < 0) return;
    MoveNoteToBoard(index, *target);
    EndWhenNoNoteLeft();
}

void CarryOut(HWND window, unsigned command) {
    // A board switch handed over while the menu was open has taken the note away.
    if (command != kMenuNewNote && FindNoteOfWindow(window) < 0) return;
    switch (command) {
        case 0:
            return;
        case kMenuNewNote:
            CreateNoteFromClipboard(kTextNote);
            return;
        case kMenuEdit:
            OpenEditDialog(window);
            return;
        case kMenuDelete:
            DeleteNote(FindNoteOfWindow(window));
            return;
        case kMenuRun:
            RunCommand(window, TextOfNoteWindow(window));
            return;
        case kMenuCopy:
            PutTextOnClipboard(ui.mainWindow, TextOfNoteWindow(window));
            return;
    }
    MoveToChosenBoard(window, command);
}

}  // namespace

void ShowNoteMenu(HWND noteWindow) {
    if (ui.miniToolDialog) {
        SendMessageA(ui.miniToolDialog, WM_CLOSE, 0, 0);
        ui.miniToolDialog = nullptr;
    }
    HMENU menu = BuildNoteMenu();
    unsigned command = TrackAtPointer(menu, noteWindow);
    CarryOut(noteWindow, command);
    DestroyMenu(menu);  // with its submenu
    SendMessageA(ui.mainWindow, MSG_ACTIVATE, 0, 0);
}
