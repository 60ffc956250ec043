// note_loader_win.h — boards on screen: loading a board's text into note windows, the new notes,
// and one note back into its record.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "launcher/model/new_note.h"

// Replaces every note on screen with the notes of `text`, followed by the common notes unless
// `boardPath` is the common file itself. A board or common text with content but no note keeps
// its file from every save of the run. The plain note is added when `withDefaultNote` asks for
// it and whenever no note would be left: a second start, a switch and "end" reach the program
// through a note window. Returns the new count.
int LoadNotes(const std::string& text, const std::string& boardPath, bool withDefaultNote = false);

// The plain note that stands in when a board has no file.
HWND CreateDefaultNote();

// A note from the clipboard text of the given kind; without text, an image note of the
// clipboard's picture, or the plain note when there is none or it could not be saved.
HWND CreateNoteFromClipboard(NewNoteKind kind);

// Note `index` as it is now on screen: its place, size and text as a save stores them.
Note NoteOnScreen(int index);

// The record of note `index` as it is now on screen, with its CR LF.
std::string SerializeNote(int index);

// Replaces the notes on screen with `board`'s and then `common`'s notes, and the plain note
// when asked or when none would be left.
void ShowNotes(const std::vector<Note>& board, const std::vector<Note>& common,
               bool withDefaultNote = false);
