#include "launcher/win/attribute_tool_win.h"

#include <ctime>
#include <optional>

#include "launcher/rules/attribute_rules.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/mini_tool_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/note_window_win.h"

namespace {

// The text control is a child window: it repaints with the note only when asked to.
void RepaintWithText(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Pick(HWND window) {
    int index = FindNoteOfWindow(window);
    if (index >= 0) {
        LauncherSettings& s = marnelo.settings;
        s.attributeBuffer = PickAttribute(s.attributeKind, notes.slots[index].note, NoteBox(index),
                                          s.attributeBuffer);
    }
    MiniToolPicked(index >= 0, marnelo.settings.attributeBuffer[0]);
}

void Paste(HWND window, bool random) {
    int index = FindNoteOfWindow(window);
    if (index < 0) return;
    // Seeded by the second: pastes within the same second give the same colours.
    std::optional<unsigned> seed;
    if (random) seed = static_cast<unsigned>(std::time(nullptr));
    Note& note = notes.slots[index].note;
    PasteResult result =
        PasteAttribute(marnelo.settings.attributeKind, marnelo.settings.attributeBuffer, seed, note,
                       NoteBox(index));
    note = result.note;
    switch (result.effect) {
        case PasteEffect::None:
            return;
        case PasteEffect::ColoursAndBrush:
            RemakeBackBrush(index);
            break;
        case PasteEffect::Colours:
            break;
        case PasteEffect::Place:
            PlaceNote(index, result.box);
            break;
        case PasteEffect::Font:
            ApplyFontAndOpacity(index);
            break;
    }
    RepaintWithText(window);
}

}  // namespace

void ReleaseInToolMode(HWND noteWindow) {
    const int mode = marnelo.tool.mode;
    if (mode == kToolPick)
        Pick(noteWindow);
    else if (mode == kToolPaste || mode == kToolRandom)
        Paste(noteWindow, mode == kToolRandom);
}
