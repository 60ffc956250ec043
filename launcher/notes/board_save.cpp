#include "launcher/notes/board_save.h"

FileSavePlan PlanFileSave(const std::vector<SaveRecord>& records, int flag) {
    FileSavePlan plan;
    if (records.empty()) {
        plan.change = FileChange::RemoveBoth;
        return plan;
    }
    bool anyMatched = false;
    for (const SaveRecord& record : records) {
        if (record.common != flag) continue;
        anyMatched = true;
        plan.text += record.line;
    }
    plan.change = anyMatched ? FileChange::Replace : FileChange::Remove;
    return plan;
}
