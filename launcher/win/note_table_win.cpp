#include "launcher/win/note_table_win.h"

#include <utility>

#include "launcher/win/app_state_win.h"

int AddNoteSlot(const Note& note, const NoteWindows& windows) {
    notes.slots.push_back({note, {}});
    ui.noteWindows.push_back(windows);
    return notes.Count() - 1;
}

NoteWindows TakeNoteSlot(int index) {
    NoteWindows taken = ui.noteWindows[index];
    ui.noteWindows.erase(ui.noteWindows.begin() + index);
    notes.Remove(index);
    return taken;
}

std::vector<NoteWindows> TakeAllNoteSlots() {
    std::vector<NoteWindows> taken = std::move(ui.noteWindows);
    ui.noteWindows.clear();
    notes.Clear();
    return taken;
}
