#include "launcher/win/board_store_win.h"

#include <vector>

#include "common/backup_start_win.h"
#include "common/date_stamp.h"
#include "common/file_io.h"
#include "common/profile_ini.h"
#include "common/sjis.h"
#include "launcher/model/board_edits.h"
#include "launcher/model/board_list.h"
#include "launcher/model/board_save.h"
#include "launcher/model/note_file.h"
#include "launcher/model/settings.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/board_sync_win.h"
#include "launcher/win/note_loader_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/note_window_win.h"

namespace {

bool PathMayHoldNotes(const std::string& path) {
    return MayHoldNotes(MayExist(path), FolderExists(path));
}

// The settings follow a written board; the backup program is started from here once a day.
void SaveLauncherSettings() {
    ProfileIniStore ini(marnelo.paths.settingsFile);
    if (WriteSettings(ini, marnelo.settings, DateStamp(LocalNow())))
        StartBackupProgram(marnelo.paths.exeFolder);
}

}  // namespace

void ScanFolderBoards() {
    marnelo.board.folderBoards = ListFileNames(marnelo.paths.dataFolder);
}

bool SaveBoardAndCommonNotes() {
    BoardState planned = marnelo.board;
    std::vector<SaveRecord> records = MergeBeforeSave(planned);
    BoardSavePlan plan = PlanBoardSave(std::move(records), planned, marnelo.paths);
    if (!plan.replaced.empty()) {
        CreateFolder(marnelo.paths.dataFolder);
        if (!ReplaceFiles(plan.replaced)) return false;
    }
    // Removed last: a failed replacement above must not have cost a file its notes.
    for (const std::string& path : plan.removed) DeleteFileAt(path);
    RememberSaved(plan);
    if (plan.writeSettings) SaveLauncherSettings();
    return true;
}

void SaveOnce() {
    if (marnelo.board.savedOnce) return;
    // A save that failed is tried again at the next close or shutdown message.
    marnelo.board.savedOnce = SaveBoardAndCommonNotes();
}

void DeleteNote(int index) {
    if (index < 0 || index >= notes.Count()) return;
    std::string record = SerializeNote(index);
    CreateFolder(marnelo.paths.dataFolder);
    CreateFolder(marnelo.paths.deletedFolder);
    AppendToFile(marnelo.board.deletedNotesPath, DeletedNoteEntry(LocalNow(), record));

    RemoveNoteWindow(index);
}

bool MoveNoteToBoard(int index, const std::string& target) {
    if (index < 0 || index >= notes.Count() || target.empty()) return false;
    std::string path = MoveTargetPath(target, marnelo.paths.dataFolder);
    if (MoveUndoneBySave(path, marnelo.board.currentBoardPath, marnelo.paths)) return false;
    std::optional<std::string> present = ReadWholeFile(path);
    if (!BoardTakesMovedNote(present, !present && PathMayHoldNotes(path))) return false;
    if (IsPlainBoardName(target)) CreateFolder(marnelo.paths.dataFolder);
    if (!ReplaceWholeFile(path, BoardWithMovedNote(SerializeNote(index), present))) return false;
    ScanFolderBoards();
    DeleteNote(index);
    return true;
}

void EndWhenNoNoteLeft() {
    if (notes.Count() == 0) SendMessageA(ui.mainWindow, WM_CLOSE, 0, 0);
}

void SwitchBoard(const std::string& path) {
    SaveOnce();
    marnelo.board.savedOnce = false;
    // A board made meanwhile (a new note file, one written by the other program) is offered.
    ScanFolderBoards();
    marnelo.board.currentBoardPath = path;
    std::optional<std::string> text = ReadWholeFile(path);
    AddOutsideBoard(marnelo.board.outsideBoards, path, marnelo.paths.dataFolder);
    SwitchedBoard to = PlanBoardSwitch(path, marnelo.board.currentBoardName,
                                       marnelo.paths.dataFolder, marnelo.paths.deletedFolder);
    marnelo.board.currentBoardName = to.name;
    marnelo.board.deletedNotesPath = to.deletedNotesPath;
    marnelo.board.boardUnreadable = !text && PathMayHoldNotes(path);
    if (ShowsSwitchedBoard(text)) {
        LoadNotes(*text, path);
        return;
    }
    LoadNotes("", "", true);
}

void WriteKnownBoards() {
    if (marnelo.board.outsideListUnreadable) return;
    std::optional<std::string> text = KnownBoardsText(
        marnelo.board.outsideBoards, [](const std::string& path) { return FileExists(path); });
    if (text) ReplaceWholeFile(marnelo.paths.outsideListFile, *text);
}
