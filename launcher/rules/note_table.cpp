#include "launcher/rules/note_table.h"

#include <utility>

#include "launcher/model/board_edits.h"
#include "launcher/model/clock_text.h"
#include "launcher/model/note_file.h"

void NoteTable::Remove(int index) {
    slots.erase(slots.begin() + index);
    expandedNote = IndexAfterRemoval(expandedNote, index);
    editedNote = IndexAfterRemoval(editedNote, index);
}

void NoteTable::Clear() {
    slots.clear();
    editedNote = -1;
    expandedNote = -1;
}

int NoteTable::Expanded() const {
    return expandedNote >= 0 && expandedNote < Count() ? expandedNote : -1;
}

int NoteTable::LastClockNote() const {
    for (int i = Count() - 1; i >= 0; --i)
        if (IsClockCommand(slots[i].note.command)) return i;
    return -1;
}

bool NoteTable::ShowsFullSize(int index) const {
    return !slots[index].note.mini || index == expandedNote;
}

void NoteTable::TakeShownSize(int index, const WindowBox& shown, Note& note) const {
    if (!ShowsFullSize(index)) return;
    note.width = shown.width;
    note.height = shown.height;
}

void NoteTable::OpenEditor(int index, const WindowBox& box) {
    editedNote = index;
    TakeShownSize(index, box, slots[index].note);
    editedX = box.left;
    editedY = box.top;
    editorOpen = true;
}

WindowBox CreatedBox(const Note& note) {
    if (note.mini) return {note.x, note.y, note.miniWidth, note.miniHeight};
    return {note.x, note.y, note.width, note.height};
}

Note SavedRecordOf(NoteTable& table, int index, std::string text, const WindowBox& box) {
    Note& stored = table.slots[index].note;
    RaiseMiniSize(stored);
    Note record = stored;
    record.text = std::move(text);
    if (table.editorOpen && index == table.editedNote) {
        record.x = table.editedX;
        record.y = table.editedY;
        return record;
    }
    record.x = box.left;
    record.y = box.top;
    table.TakeShownSize(index, box, record);
    return record;
}
