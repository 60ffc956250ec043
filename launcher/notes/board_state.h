// board_state.h — the board on screen, the boards the menus offer, and which files this run
// must never replace.
#pragma once
#include <string>
#include <vector>

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
};
