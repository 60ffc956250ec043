#include "launcher/notes/board_save.h"

bool BelongsToCommonFile(int commonFlag) {
    return commonFlag == 1;
}

FileSavePlan PlanFileSave(const std::vector<SaveRecord>& records, int flag) {
    FileSavePlan plan;
    if (records.empty()) {
        plan.change = FileChange::RemoveBoth;
        return plan;
    }
    bool anyMatched = false;
    for (const SaveRecord& record : records) {
        if (BelongsToCommonFile(record.common) != (flag == 1)) continue;
        anyMatched = true;
        plan.text += record.line;
    }
    plan.change = anyMatched ? FileChange::Replace : FileChange::Remove;
    return plan;
}
