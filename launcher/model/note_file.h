// note_file.h — the plain-text board format: one record per note, 28 TAB-separated fields,
// CR LF ended. Text and command may span lines; the other fields follow the command.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "launcher/model/note.h"
#include "launcher/model/note_bounds.h"

// The mini size given to records of the older layouts that do not store one.
struct NoteDefaults {
    int miniWidth = 40;
    int miniHeight = 20;
};

// Decodes every record of `text`. Records of 10, 15, 19 and 26 fields after the command are
// read; a record of any other count is skipped. The end of the text ends a record as CR does.
std::vector<Note> ParseNotes(std::string_view text, const NoteDefaults& defaults);

// One record with its CR LF, in the 26-field layout. `note` must already hold the position and
// full size to store; sizes are raised to kLeastStoredSize here, TABs in text,
// command and media path become spaces.
std::string FormatNote(const Note& note);
