#include "launcher/win/board_sync_win.h"

#include <windows.h>

#include <optional>

#include "common/date_stamp.h"
#include "common/file_io.h"
#include "launcher/model/board_edits.h"
#include "launcher/model/note_file.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/board_store_win.h"
#include "launcher/win/note_loader_win.h"

namespace {

// A sync service replaces a file within a moment; a save waits this long before it writes over
// a file that is missing or empty.
constexpr int kSaveReadAttempts = 5;
constexpr DWORD kSaveReadWait = 250;

NoteDefaults Defaults() {
    return {marnelo.settings.miniWidth, marnelo.settings.miniHeight};
}

FileFingerprint EntryOf(const std::string& path) {
    FileFingerprint print;
    print.present = FileExists(path);
    print.size = FileSize(path);
    print.time = FileWriteTime(path);
    return print;
}

bool OneFile() {
    return IsCommonFile(marnelo.board.currentBoardPath, marnelo.paths);
}

struct SharedFile {
    const std::string& path;
    ReadBase& read;
    bool common;
    const std::string& boardName;  // names its conflict file
};

std::vector<SharedFile> FilesToWatch() {
    static const std::string commonName = "common.txt";
    std::vector<SharedFile> files;
    BoardState& board = marnelo.board;
    if (!board.boardUnreadable)
        files.push_back({board.currentBoardPath, board.boardRead, false, board.currentBoardName});
    if (!OneFile() && !board.commonUnreadable)
        files.push_back({marnelo.paths.commonFile, board.commonRead, true, commonName});
    return files;
}

std::vector<Note> ShownNotesOf(bool common) {
    bool oneFile = OneFile();
    std::vector<Note> shown;
    for (int i = 0; i < notes.Count(); ++i) {
        Note note = NoteOnScreen(i);
        if ((!oneFile && BelongsToCommonFile(note.common)) == common) shown.push_back(note);
    }
    return shown;
}

// Notes the other PC deleted go where every deleted note goes; its version of a note both PCs
// changed goes to a board of its own beside this one, or stays on this board when that fails.
std::vector<Note> MergeFile(const SharedFile& file, const std::vector<Note>& shown,
                            const std::string& disk) {
    MergeResult merged =
        MergeNotes(ParseNotes(file.read.text, Defaults()), shown, ParseNotes(disk, Defaults()));
    LocalTime now = LocalNow();
    if (!merged.deleted.empty() || !merged.conflicts.empty()) {
        CreateFolder(marnelo.paths.dataFolder);
        CreateFolder(marnelo.paths.deletedFolder);
    }
    for (const Note& note : merged.deleted)
        AppendToFile(marnelo.board.deletedNotesPath, DeletedNoteEntry(now, FormatNote(note)));
    bool conflictsKept = true;
    if (!merged.conflicts.empty()) {
        std::string path =
            MoveTargetPath(ConflictFileName(file.boardName, now), marnelo.paths.dataFolder);
        conflictsKept = AppendToFile(path, ConflictRecords(merged.conflicts));
        ScanFolderBoards();
    }
    return MergedBoard(std::move(merged), conflictsKept);
}

void Remember(ReadBase& read, const FileFingerprint& entry, std::string text) {
    read.print = entry;
    read.print.hash = HashBytes(text);
    read.text = std::move(text);
}

// A second start writes its request into a note window's title before it sends the message
// that reads it: that window must still be there.
bool HandOverUnderWay() {
    for (const NoteWindows& windows : ui.noteWindows)
        if (GetWindowTextLengthA(windows.window) > 0) return true;
    return false;
}

}  // namespace

void RememberRead(ReadBase& read, const std::string& path, const std::string& text) {
    Remember(read, EntryOf(path), text);
}

void PollSharedBoards() {
    if (notes.editorOpen || ui.miniToolDialog || marnelo.tool.mode != kToolOff ||
        HandOverUnderWay())
        return;
    struct Arrived {
        SharedFile file;
        FileFingerprint entry;
        std::string disk;
    };
    std::vector<Arrived> arrived;
    for (const SharedFile& file : FilesToWatch()) {
        // The entry before the read: a change while reading shows at the next poll.
        FileFingerprint entry = EntryOf(file.path);
        if (!EntryChanged(file.read.print, entry.present, entry.size, entry.time)) continue;
        std::optional<std::string> disk = ReadWholeFile(file.path);
        switch (JudgeDisk(disk, file.read, Defaults())) {
            case DiskState::NoNews:  // the entry stays unknown: read again at the next poll
                break;
            case DiskState::Same:
                Remember(file.read, entry, *disk);
                break;
            case DiskState::Changed:
                arrived.push_back({file, entry, *disk});
                break;
        }
    }
    if (arrived.empty()) return;
    std::vector<Note> shown[2] = {ShownNotesOf(false), ShownNotesOf(true)};
    std::vector<Note> merged[2] = {shown[0], shown[1]};
    for (Arrived& a : arrived) {
        merged[a.file.common] = MergeFile(a.file, shown[a.file.common], a.disk);
        Remember(a.file.read, a.entry, std::move(a.disk));
    }
    if (!SameNotes(merged[0], shown[0]) || !SameNotes(merged[1], shown[1]))
        ShowNotes(merged[0], merged[1]);
}

std::vector<SaveRecord> MergeBeforeSave(BoardState& plan) {
    std::vector<Note> shown[2] = {ShownNotesOf(false), ShownNotesOf(true)};
    std::vector<Note> merged[2] = {shown[0], shown[1]};
    for (const SharedFile& file : FilesToWatch()) {
        std::optional<std::string> disk;
        DiskState state = DiskState::NoNews;
        FileFingerprint entry;
        for (int attempt = 0; attempt < kSaveReadAttempts && state == DiskState::NoNews;
             ++attempt) {
            if (attempt > 0) Sleep(kSaveReadWait);
            entry = EntryOf(file.path);
            disk = ReadWholeFile(file.path);
            state = JudgeDisk(disk, file.read, Defaults());
        }
        switch (PlanSaveStep(state, disk, MayExist(file.path))) {
            case SaveStep::Write:
                break;
            case SaveStep::Merge:
                merged[file.common] = MergeFile(file, shown[file.common], *disk);
                Remember(file.read, entry, std::move(*disk));
                break;
            case SaveStep::LeaveAlone:
                (file.common ? plan.commonUnreadable : plan.boardUnreadable) = true;
                break;
        }
    }
    if (!notes.editorOpen && (!SameNotes(merged[0], shown[0]) || !SameNotes(merged[1], shown[1])))
        ShowNotes(merged[0], merged[1]);
    std::vector<SaveRecord> records;
    for (int common = 0; common < 2; ++common)
        for (const Note& note : merged[common]) records.push_back({common, FormatNote(note)});
    return records;
}

void RememberSaved(const BoardSavePlan& plan) {
    for (const SharedFile& file : FilesToWatch()) {
        std::optional<std::string> written;
        for (const FileReplacement& replaced : plan.replaced)
            if (replaced.path == file.path) written = replaced.text;
        for (const std::string& removed : plan.removed)
            if (removed == file.path) written = std::string();
        if (written) RememberRead(file.read, file.path, *written);
    }
}
