// attribute_rules.h — what the attribute painter copies from a note and what it changes on the
// note it is pasted onto: colours, one edge, one size or the font size, or random colours.
#pragma once
#include <array>
#include <optional>
#include <vector>

#include "common/screen_geometry.h"
#include "launcher/model/note.h"

inline constexpr int kAttributeKindCount = 8;
// In the order of the mini tool's list; the index is the stored kind.
extern const char* const kAttributeKindNames[kAttributeKindCount];

using AttributeBuffer = std::array<int, 8>;

// A note window's outer rectangle in 96-DPI units, as the note file keeps it.
using WindowBox = ScreenBox;

// Only the colour kinds (both colours, background, text) have random colours.
bool KindHasColours(int kind);

// The buffer after a pick of `kind` from a note: only the entries the kind uses change, and a
// kind outside the list changes nothing.
AttributeBuffer PickAttribute(int kind, const Note& note, const WindowBox& box,
                              AttributeBuffer buffer);

enum class PasteEffect {
    None,
    Colours,          // the text colour changed: repaint
    ColoursAndBrush,  // the background changed: the background brush is made anew, repaint
    Place,            // the window goes to `box`
    Font,             // the font is made anew from `fontSize`
};

struct PasteResult {
    PasteEffect effect = PasteEffect::None;
    Note note;
    WindowBox box;
};

// A paste of `kind` onto a note shown at `box`. With a `randomSeed` the colour kinds take
// random components (background first) instead of the buffer and leave both colour indexes
// alone; the other kinds paste the buffer either way. A width, height or font size below
// kLeastPastedSize is pasted as that, so the note can still be reached with the mouse.
PasteResult PasteAttribute(int kind, const AttributeBuffer& buffer,
                           std::optional<unsigned> randomSeed, Note note, WindowBox box);

// `count` colour components of 0..254 from a generator seeded with `seed`: the same seed (the
// same second) always gives the same colours.
std::vector<int> RandomComponents(unsigned seed, int count);

// The modes of the attribute painter and how the mini tool's list, button
// and check box move between them.

enum ToolMode { kToolOff = 0, kToolPick = 1, kToolPaste = 2, kToolRandom = 3 };

// What the mini tool shows: the mode (button 1 reads its label) and the random check box.
struct ToolView {
    int mode = kToolPick;
    bool randomEnabled = true;
    bool randomChecked = false;
};

// Button 1's text in `mode`; the random mode's ends in an ideographic space.
const char* MainButtonLabel(int mode);

// The list entry the tool opens showing: the stored kind, or none (-1) for a kind the list does
// not hold (a hand-edited settings file).
int KindListEntry(int kind);

// A tool just opened on `kind`: picking, random colours offered only to the colour kinds.
ToolView OpenedTool(int kind);

// Another kind chosen in the list: back to picking, except that pasting goes on from one colour
// kind to another; random colours stay offered to the colour kinds but are switched off, so the
// check box never claims a mode the tool is not in.
ToolView KindChosen(const ToolView& view, int kind);

// Button 1 turns between picking and pasting; from random colours it goes to pasting.
ToolView MainButtonPressed(const ToolView& view);

ToolView RandomToggled(const ToolView& view, bool checked);

// A click on a note in pick mode: the next click pastes.
ToolView Picked(const ToolView& view);
