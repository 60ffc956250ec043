// board_store_win.h — where the boards lie and how they reach the disk: saving the board and the
// common notes, deleting and moving notes, switching boards and the outside board list.
#pragma once
#include <string>

// Fills folderBoards anew with the names of the data folder's files.
void ScanFolderBoards();

// Writes the board's own notes to its file and the common notes to the common file, both or
// neither; a written board file is followed by the settings. A file that could not be read in
// this run is left alone. False when the files could not be written.
bool SaveBoardAndCommonNotes();

// The board and then the common file, unless this was done already since the last switch.
void SaveOnce();

// Appends the note's record to the deleted-notes file and removes it; later notes move down.
void DeleteNote(int index);

// Puts note `index` first on the board `target` (a name or a path) and deletes it here.
// False when the target could not be read or written,
// or is on screen already: the note then stays where it is.
bool MoveNoteToBoard(int index, const std::string& target);

// A board whose last note was moved away leaves nothing to show: the program ends, saving.
void EndWhenNoNoteLeft();

// Saves the current board, then shows the board at `path`.
void SwitchBoard(const std::string& path);

// Rewrites "filelist.txt" from outsideBoards, leaving out boards whose file is gone.
void WriteKnownBoards();
