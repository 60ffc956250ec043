// note_folder_win.h — reading Marnelo's data folder and "filelist.txt" into the board list, or
// into the note index and note pairs.
#pragma once
#include <string>

void LoadNoteFolder(const std::string& folder, bool boardsOnly, int pastFlag);

// Sends the file of a board of BoardList to the recycle bin (the user has been asked) and forgets
// the board. False, with the board kept, for a name BoardList does not hold or a file that stays.
bool DeleteBoardFile(const std::string& name);
