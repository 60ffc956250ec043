#include "launcher/notes/board_store_win.h"

#include <vector>

#include "common/date_stamp.h"
#include "common/file_io.h"
#include "common/sjis.h"
#include "launcher/frame/app_state_win.h"
#include "launcher/frame/settings_ini_win.h"
#include "launcher/notes/board_edits.h"
#include "launcher/notes/board_list.h"
#include "launcher/notes/board_save.h"
#include "launcher/notes/note_file.h"
#include "launcher/notes/note_loader_win.h"
#include "launcher/notes/note_table_win.h"
#include "launcher/windows/note_window_win.h"

namespace {

bool IsBoardFileTheCommonFile() {
    return IsCommonFile(marnelo.board.currentBoardPath, marnelo.paths);
}

// Also the common file opened as a board that could not be read.
bool CommonFileUnreadable() {
    return marnelo.board.commonUnreadable ||
           (IsBoardFileTheCommonFile() && marnelo.board.boardUnreadable);
}

// On the common file opened as a board every note belongs to that one file, whatever its flag.
std::vector<SaveRecord> RecordsOnScreen() {
    bool oneFile = IsBoardFileTheCommonFile();
    std::vector<SaveRecord> records;
    for (int i = 0; i < notes.Count(); ++i)
        records.push_back({oneFile ? 0 : notes.slots[i].note.common, SerializeNote(i)});
    return records;
}

// After a failed read: a file that is there (held, or its attributes unreadable) may hold
// notes; a missing file or a folder holds none.
bool MayHoldNotes(const std::string& path) {
    return MayExist(path) && !FolderExists(path);
}

// Text of a board that is not on screen: empty when it does not exist, nothing when it exists
// but cannot be read or holds something other than notes.
std::optional<std::string> ReadOtherBoard(const std::string& path) {
    if (std::optional<std::string> text = ReadWholeFile(path)) {
        if (HoldsForeignContent(*text, ParseNotes(*text, NoteDefaults{}).size()))
            return std::nullopt;
        return text;
    }
    if (MayHoldNotes(path)) return std::nullopt;
    return std::string();
}

// What one save does to the board file and the common file.
struct NoteFileChanges {
    std::vector<FileReplacement> replaced;
    std::vector<std::string> removed;
};

// A file this run could not read is left as it is.
void AddChange(NoteFileChanges& changes, const std::string& path, bool unreadable,
               const FileSavePlan& plan) {
    if (unreadable) return;
    if (plan.change == FileChange::Replace)
        changes.replaced.push_back({path, plan.text});
    else
        changes.removed.push_back(path);
}

}  // namespace

void ScanFolderBoards() {
    marnelo.board.folderBoards = ListFileNames(marnelo.paths.dataFolder);
}

bool SaveBoardAndCommonNotes() {
    std::vector<SaveRecord> records = RecordsOnScreen();
    NoteFileChanges changes;
    FileSavePlan boardPlan = PlanFileSave(records, SavedFile::Board);
    AddChange(changes, marnelo.board.currentBoardPath, marnelo.board.boardUnreadable, boardPlan);
    // The common file opened as a board is written whole by the board's own change; a change
    // of its (now absent) common notes would remove it.
    if (!IsBoardFileTheCommonFile())
        AddChange(changes, marnelo.paths.commonFile, CommonFileUnreadable(),
                  PlanFileSave(records, SavedFile::Common));
    // Both files change together or not at all: a note whose common flag changed would
    // otherwise leave one file without reaching the other, or stand in both.
    if (!changes.replaced.empty()) {
        CreateFolder(marnelo.paths.dataFolder);
        if (!ReplaceFiles(changes.replaced)) return false;
    }
    // Removed last: a failed replacement above must not have cost a file its notes.
    for (const std::string& path : changes.removed) DeleteFileAt(path);
    if (boardPlan.change == FileChange::Replace && !marnelo.board.boardUnreadable)
        SaveLauncherSettings();
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
    AppendToFile(marnelo.board.deletedNotesPath, DeletedNoteHeader(LocalNow()) + record);

    RemoveNoteWindow(index);
    notes.expandedNote = IndexAfterRemoval(notes.expandedNote, index);
    notes.editedNote = IndexAfterRemoval(notes.editedNote, index);
}

bool MoveNoteToBoard(int index, const std::string& target) {
    if (index < 0 || index >= notes.Count() || target.empty()) return false;
    std::string path = MoveTargetPath(target, marnelo.paths.dataFolder);
    // Moving onto the board on screen, or onto the common file whose notes are all on screen,
    // would be undone by the next save.
    if (EqualsIgnoringCase(path, marnelo.board.currentBoardPath) ||
        IsCommonFile(path, marnelo.paths))
        return false;
    std::optional<std::string> present = ReadOtherBoard(path);
    if (!present) return false;
    if (!ContainsChar(target, '\\')) CreateFolder(marnelo.paths.dataFolder);
    if (!ReplaceWholeFile(path, SerializeNote(index) + *present)) return false;
    ScanFolderBoards();
    DeleteNote(index);
    return true;
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
    marnelo.board.boardUnreadable = !text && MayHoldNotes(path);
    if (text && !text->empty()) {
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
