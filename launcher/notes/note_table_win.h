// note_table_win.h — the notes of the board on screen: stored fields plus the windows and GDI
// objects each slot owns. Slots are in creation order, which is also the order in the files.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "launcher/notes/note.h"
#include "launcher/windows/media_note.h"

struct NoteSlot {
    Note note;  // `text` is the text at creation; the text control holds the current one
    HWND window = nullptr;
    HWND textControl = nullptr;
    HFONT font = nullptr;
    HBRUSH backBrush = nullptr;
    FolderListingCache folderListing;  // the files of a folder note, listed at most once a second
};

struct NoteTable {
    std::vector<NoteSlot> slots;  // grows past 256 when a file holds more: no note is dropped
    int editedNote = -1;          // the note open in the Edit dialog or being moved
    int expandedNote = -1;        // the mini note shown at full size under the pointer
    int runningX = 0;             // where the next note from the clipboard text goes
    // While the Edit dialog is open its note's window is shrunk to nothing at the screen's
    // origin; a save meanwhile writes the place it had.
    bool editorOpen = false;
    POINT editedOrigin{};
    int Count() const { return static_cast<int>(slots.size()); }
};
