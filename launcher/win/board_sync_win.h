// board_sync_win.h — boards kept in a folder that a sync service shares between PCs: noticing
// while running that another PC changed the board or the common file, and merging its changes
// before every save instead of overwriting them.
#pragma once
#include <string>
#include <vector>

#include "launcher/model/board_save.h"
#include "launcher/model/board_state.h"

// Remembers `text` as what this run knows of the file at `path`.
void RememberRead(ReadBase& read, const std::string& path, const std::string& text);

// Shows what another PC changed in the board or the common file since this run read them.
// Waits while the Edit dialog or the mini tool is open; the next poll catches up.
void PollSharedBoards();

// The records a save writes: the notes on screen merged with what another PC wrote meanwhile.
// A file that cannot be read now is marked in `plan` so that this save leaves it alone.
std::vector<SaveRecord> MergeBeforeSave(BoardState& plan);

// The files a save wrote are what this run knows of them from now on.
void RememberSaved(const BoardSavePlan& plan);
