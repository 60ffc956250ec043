#include "launcher/win/run_note_win.h"

#include <shellapi.h>

#include "common/clipboard_win.h"
#include "common/date_stamp.h"
#include "common/file_io.h"
#include "common/quotes.h"
#include "common/text_lines.h"
#include "launcher/model/aliases.h"
#include "launcher/resources/messages.h"
#include "launcher/rules/board_stepping.h"
#include "launcher/rules/run_plan.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/board_store_win.h"
#include "launcher/win/edit_dialog_win.h"
#include "launcher/win/main_menu_win.h"
#include "launcher/win/note_loader_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/popup_menu_win.h"

namespace {

void AppendRunLog(const std::string& line) {
    CreateFolder(marnelo.paths.logFolder);
    AppendToFile(RunLogFile(marnelo.paths, LocalNow()), RunLogEntry(line));
}

// A program that does not start is tried once more as the whole text, a document or a
// folder with spaces in its name perhaps; nothing is reported either way.
void StartThroughShell(const std::string& command, const RunPlan& plan) {
    if (ShellStarted(WithoutEnclosingQuotes(plan.program), plan.parameters)) {
        AppendRunLog(plan.logLine);
        return;
    }
    ShellStarted(command, "");
    AppendRunLog(command);
}

void StepBoard(BoardStep step) {
    std::optional<std::string> target =
        SteppedBoard(marnelo.board.currentBoardPath, marnelo.board.folderBoards,
                     marnelo.board.outsideBoards, step);
    if (target) SwitchThroughSecondCopy(*target);
}

// The file as it is now; a file that cannot be read leaves the notes as they are.
void LoadBoardAgain() {
    std::optional<std::string> text = ReadWholeFile(marnelo.board.currentBoardPath);
    if (!text) return;
    marnelo.board.boardUnreadable = false;
    LoadNotes(*text, marnelo.board.currentBoardPath);
}

void RepaintAllNotes() {
    for (const NoteWindows& slot : ui.noteWindows) InvalidateRect(slot.window, nullptr, TRUE);
}

}  // namespace

bool ShellStarted(const std::string& file, const std::string& parameters) {
    SHELLEXECUTEINFOA start{};
    start.cbSize = sizeof start;
    start.fMask = SEE_MASK_FLAG_NO_UI;
    start.lpVerb = "open";
    start.lpFile = file.c_str();
    start.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    start.nShow = SW_SHOWNORMAL;
    return ShellExecuteExA(&start) && reinterpret_cast<INT_PTR>(start.hInstApp) >= 32;
}

void LoadAliasFile(const std::string& path) {
    if (std::optional<std::string> text = ReadWholeFile(path)) LoadAliases(marnelo.aliases, *text);
}

void FreeAliases() {
    marnelo.aliases.pairs.clear();
}

void SwitchThroughSecondCopy(const std::string& board) {
    std::string self = ExecutablePath();
    if (self.empty()) return;
    RunCommand(nullptr, SelfCommand(self, board, marnelo.paths.dataFolder));
}

void RunNote(HWND window, const Note& note) {
    switch (NoteRunOf(note.command, note.runType)) {
        case NoteRun::Edit:
            OpenEditDialog(window);
            break;
        case NoteRun::Command:
            if (!OfferInternalCommand(window, note.command)) RunCommand(window, note.command);
            break;
        case NoteRun::CopyCommand:
            PutTextOnClipboard(ui.mainWindow, note.command);
            break;
        case NoteRun::CopyLine:
            ShowLineMenu(window, note.command, true);
            break;
        case NoteRun::Nothing:
            break;
    }
}

bool OfferInternalCommand(HWND owner, const std::string& command) {
    switch (MatchInternalCommand(command)) {
        case InternalCommand::None:
            return false;
        case InternalCommand::End:
            SendMessageA(ui.mainWindow, WM_CLOSE, 0, 0);
            break;
        case InternalCommand::Tokei:
            if (owner) OpenEditDialog(owner);
            break;
        case InternalCommand::Next:
            StepBoard(BoardStep::Next);
            break;
        case InternalCommand::Prev:
            StepBoard(BoardStep::Prev);
            break;
        case InternalCommand::Repaint:
            RepaintAllNotes();
            break;
        case InternalCommand::Show:
            SendMessageA(ui.mainWindow, MSG_ACTIVATE, 0, 0);
            break;
        case InternalCommand::Menu:
            OpenMainMenu(owner ? owner : ui.mainWindow);
            break;
        case InternalCommand::New:
            CreateNoteFromClipboard(kTextNote);
            break;
        case InternalCommand::Load:
            LoadBoardAgain();
            break;
        case InternalCommand::Save:
            SaveBoardAndCommonNotes();
            break;
    }
    return true;
}

void RunCommand(HWND owner, const std::string& command) {
    RunPlan plan = PlanRun(command, owner != nullptr, marnelo.board.folderBoards,
                           marnelo.board.outsideBoards, marnelo.aliases);
    switch (plan.kind) {
        case RunKind::Nothing:
            return;
        case RunKind::LineMenu:
            ShowLineMenu(owner, command, false);
            return;
        case RunKind::Internal:
            OfferInternalCommand(owner, command);
            return;
        case RunKind::Board:
            SwitchThroughSecondCopy(plan.board);
            return;
        case RunKind::Shell:
            StartThroughShell(command, plan);
            return;
    }
}

void ShowLineMenu(HWND window, const std::string& text, bool copyMode) {
    std::vector<std::string> lines = SplitLines(text);
    if (lines.empty()) return;
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < lines.size(); ++i)
        InsertAtTop(menu, {static_cast<unsigned>(i + 1), lines[i]});
    unsigned chosen = TrackAtPointer(menu, window);
    DestroyMenu(menu);
    if (chosen == 0 || chosen > lines.size()) return;
    // A board switch handed over while the menu was open has taken the note away.
    if (!IsWindow(window)) window = nullptr;
    if (copyMode)
        PutTextOnClipboard(ui.mainWindow, lines[chosen - 1]);
    else
        RunCommand(window, lines[chosen - 1]);
}
