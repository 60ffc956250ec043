#include "launcher/model/board_save.h"

bool BelongsToCommonFile(int commonFlag) {
    return commonFlag == 1;
}

FileSavePlan PlanFileSave(const std::vector<SaveRecord>& records, SavedFile file) {
    FileSavePlan plan;
    if (records.empty()) {
        plan.change = FileChange::RemoveBoth;
        return plan;
    }
    bool anyMatched = false;
    for (const SaveRecord& record : records) {
        if (BelongsToCommonFile(record.common) != (file == SavedFile::Common)) continue;
        anyMatched = true;
        plan.text += record.line;
    }
    plan.change = anyMatched ? FileChange::Replace : FileChange::Remove;
    return plan;
}

namespace {

void AddChange(BoardSavePlan& plan, const std::string& path, bool unreadable,
               const FileSavePlan& file) {
    if (unreadable) return;
    if (file.change == FileChange::Replace)
        plan.replaced.push_back({path, file.text});
    else
        plan.removed.push_back(path);
}

}  // namespace

BoardSavePlan PlanBoardSave(std::vector<SaveRecord> records, const BoardState& board,
                            const LauncherPaths& paths) {
    bool oneFile = IsCommonFile(board.currentBoardPath, paths);
    if (oneFile)
        for (SaveRecord& record : records) record.common = 0;
    BoardSavePlan plan;
    FileSavePlan boardFile = PlanFileSave(records, SavedFile::Board);
    AddChange(plan, board.currentBoardPath, board.boardUnreadable, boardFile);
    // A change of the (now absent) common notes would remove the common file opened as a board.
    if (!oneFile)
        AddChange(plan, paths.commonFile, board.commonUnreadable,
                  PlanFileSave(records, SavedFile::Common));
    plan.writeSettings = boardFile.change == FileChange::Replace && !board.boardUnreadable;
    return plan;
}

bool MayHoldNotes(bool mayExist, bool isFolder) {
    return mayExist && !isFolder;
}

bool HoldsForeignContent(std::string_view text, std::size_t recordCount) {
    if (recordCount > 0) return false;
    return text.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

DecodedNotes DecodeNoteFile(std::optional<std::string_view> text, bool mayExist,
                            const NoteDefaults& defaults) {
    DecodedNotes decoded;
    if (!text) {
        decoded.unreadable = mayExist;
        return decoded;
    }
    decoded.notes = ParseNotes(*text, defaults);
    decoded.unreadable = HoldsForeignContent(*text, decoded.notes.size());
    return decoded;
}
