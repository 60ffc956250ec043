#include "launcher/model/note_bounds.h"

#include <algorithm>

void RaiseMiniSize(Note& note) {
    note.miniWidth = std::max(kLeastStoredSize, note.miniWidth);
    note.miniHeight = std::max(kLeastStoredSize, note.miniHeight);
}

Note KeepReachable(Note note) {
    RaiseMiniSize(note);
    note.transparency = std::max(kLeastTransparency, note.transparency);
    return note;
}
