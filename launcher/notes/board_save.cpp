#include "launcher/notes/board_save.h"

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

bool HoldsForeignContent(std::string_view text, std::size_t recordCount) {
    if (recordCount > 0) return false;
    return text.find_first_not_of(" \t\r\n") != std::string_view::npos;
}
