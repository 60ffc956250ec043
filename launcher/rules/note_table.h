// note_table.h — the notes of the board on screen and what the table remembers about the one
// being edited, the one expanded and where the next clipboard note goes. Their windows are
// kept apart, slot for slot (note_table_win.h). Slots are in creation order, which is also the
// order in the files.
#pragma once
#include <string>
#include <vector>

#include "launcher/model/note.h"
#include "launcher/rules/attribute_rules.h"
#include "launcher/rules/media_note.h"

struct NoteSlot {
    Note note;  // `text` is the text at creation; the text control holds the current one
    FolderListingCache folderListing;  // the files of a folder note, listed at most once a second
};

struct NoteTable {
    std::vector<NoteSlot> slots;  // grows past 256 when a file holds more: no note is dropped
    int editedNote = -1;          // the note open in the Edit dialog or being moved
    int expandedNote = -1;        // the mini note shown at full size under the pointer
    int runningX = 0;             // where the next note from the clipboard text goes
    // While the Edit dialog is open its note's window is shrunk to nothing at the screen's
    // origin; a save meanwhile writes the place it had. No note expands meanwhile, and a second
    // dialog is refused.
    bool editorOpen = false;
    int editedX = 0;
    int editedY = 0;

    int Count() const { return static_cast<int>(slots.size()); }
    // Slot `index` goes; the edited and expanded notes stay the same notes, or none.
    void Remove(int index);
    // No note is left, so none is edited or expanded.
    void Clear();
    // The expanded note, or -1 when there is none or it is no longer in the table.
    int Expanded() const;
    // With two clock notes the later one shows the time; -1 when there is none.
    int LastClockNote() const;
    // A mini note shows its full size only while expanded.
    bool ShowsFullSize(int index) const;
    // A note shown at full size may have been resized meanwhile: what it shows (`shown`) is its
    // full size, written into `note` (its record or a copy). A note shown mini keeps its own.
    void TakeShownSize(int index, const WindowBox& shown, Note& note) const;
    // The Edit dialog opens on note `index`, whose window has `box`: a note shown at full size
    // takes that size, one shown mini keeps the full size it has.
    void OpenEditor(int index, const WindowBox& box);
};

// The window a note is made with: at its place, mini or at full size as it is stored.
WindowBox CreatedBox(const Note& note);

// What a save writes of note `index`, whose text control shows `text` and whose window has
// `box`. The stored mini size is raised to its least value on the way, as saving always did.
Note SavedRecordOf(NoteTable& table, int index, std::string text, const WindowBox& box);
