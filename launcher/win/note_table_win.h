// note_table_win.h — the windows and GDI objects of the notes on screen, slot for slot with
// the table of their data (note_table.h). Slots come and go only through the functions here,
// so both tables always hold the same notes in the same order.
#pragma once
#include <windows.h>

#include <optional>
#include <vector>

#include "common/screen_geometry.h"
#include "launcher/model/note.h"
#include "launcher/rules/media_note.h"

struct NoteWindows {
    HWND window = nullptr;
    HWND textControl = nullptr;
    HFONT font = nullptr;
    HBRUSH backBrush = nullptr;
    // Where the window was put for the units it stands for, and at which DPI.
    WindowPlace place;
    // A picture note's picture as last drawn over its background, the width of the client
    // area and the picture's height, and what it was drawn from.
    HBITMAP picture = nullptr;
    std::optional<PictureKey> pictureKey;
    MediaLayout pictureLayout;
};

// Adds `note` with its windows as the last slot and returns its index.
int AddNoteSlot(const Note& note, const NoteWindows& windows);

// Takes slot `index` out of both tables and hands back its windows, for the caller to destroy.
NoteWindows TakeNoteSlot(int index);

// Empties both tables and hands back every slot's windows, for the caller to destroy.
std::vector<NoteWindows> TakeAllNoteSlots();
