// board_state.h — the board on screen, the boards the menus offer, and which files this run
// must never replace.
#pragma once
#include <string>
#include <vector>

#include "launcher/model/board_merge.h"

// State of the current board and the boards the menus offer.
struct BoardState {
    std::string currentBoardPath;
    std::string currentBoardName;
    std::string deletedNotesPath;
    std::vector<std::string> folderBoards;   // file names in the data folder
    std::vector<std::string> outsideBoards;  // full paths from "filelist.txt"
    // A file that exists but could not be read is never replaced by a save of this run,
    // or its notes would be lost.
    bool boardUnreadable = false;
    bool commonUnreadable = false;
    bool outsideListUnreadable = false;  // "filelist.txt" is then never rewritten
    bool savedOnce = false;
    // What this run last read or wrote of the board file and the common file: another PC may
    // change them through a synced folder, and a save merges instead of overwriting.
    ReadBase boardRead;
    ReadBase commonRead;
};
