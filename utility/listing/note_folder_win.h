// note_folder_win.h — reading Marnelo's data folder and "filelist.txt" into the board list, or
// into the note index and note pairs.
#pragma once
#include <string>

void LoadNoteFolder(const std::string& folder, bool boardsOnly, int pastFlag);

// Sends the board's file to the recycle bin (the user has been asked) and forgets the board.
void DeleteBoardFile(const std::string& name);
