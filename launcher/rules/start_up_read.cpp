#include "launcher/rules/start_up_read.h"

void ReadFilesAtStartUp(StartUpFiles& files) {
    bool listFailed = !files.ReadOutsideList() && files.OutsideListHoldsContent();
    bool boardFailed = false;
    if (!files.ReadBoard()) {
        boardFailed = files.BoardHoldsContent();
        if (!boardFailed) files.ShowCommonNotes(true);
    }
    if (!listFailed && !boardFailed) return;
    if (!files.AskToReadAgain()) {
        // No default note: a save must not replace a board that may hold notes.
        if (boardFailed) files.ShowCommonNotes(false);
        return;
    }
    if (listFailed) files.ReadOutsideList();
    if (boardFailed && !files.ReadBoard()) files.ShowCommonNotes(true);
}

bool HoldsContent(std::uint64_t size, bool mayExist, bool isFile, bool isFolder) {
    constexpr std::uint64_t kNearlyEmpty = 8;  // a board this small that cannot be read is no loss
    if (size > kNearlyEmpty) return true;
    return mayExist && !isFile && !isFolder;
}
