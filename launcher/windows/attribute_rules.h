// attribute_rules.h — what the attribute painter copies from a note and what it changes on the
// note it is pasted onto: colours, one edge, one size or the font size, or random colours.
#pragma once
#include <array>
#include <optional>
#include <vector>

#include "common/screen_geometry.h"
#include "launcher/notes/note.h"

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
