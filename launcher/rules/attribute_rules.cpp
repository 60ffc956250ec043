#include "launcher/rules/attribute_rules.h"

#include <algorithm>
#include <climits>

#include "launcher/model/note_bounds.h"
#include "launcher/resources/texts.h"

const char* const kAttributeKindNames[kAttributeKindCount] = {
    kBothColoursLabel, kBackColourLabel, kTextColourLabel, kLeftLabel,
    kTopLabel,         kWidthLabel,      kHeightLabel,     kFontSizeLabel,
};

namespace {

// One colour of a note: its table index and its own components (-1 = the table's colour).
struct ColourSlot {
    int Note::*index;
    int Note::*components[3];
};
const ColourSlot kBackSlot{&Note::backColor, {&Note::backRed, &Note::backGreen, &Note::backBlue}};
const ColourSlot kTextSlot{&Note::textColor, {&Note::textRed, &Note::textGreen, &Note::textBlue}};

// What a kind copies, in the tool's order. A colour kind keeps the index of its i-th slot in
// buffer[i] and the slot's components from buffer[2 + 3 * i]; any other kind keeps its one
// value, raised to `least` on pasting, in buffer[0].
struct KindRule {
    const ColourSlot* colours[2];
    int WindowBox::*place;
    int Note::*number;
    int least;
    PasteEffect effect;
};
const KindRule kRules[kAttributeKindCount] = {
    {{&kBackSlot, &kTextSlot}, nullptr, nullptr, 0, PasteEffect::ColoursAndBrush},
    {{&kBackSlot}, nullptr, nullptr, 0, PasteEffect::ColoursAndBrush},
    {{&kTextSlot}, nullptr, nullptr, 0, PasteEffect::Colours},
    {{}, &WindowBox::left, nullptr, INT_MIN, PasteEffect::Place},
    {{}, &WindowBox::top, nullptr, INT_MIN, PasteEffect::Place},
    {{}, &WindowBox::width, nullptr, kLeastPastedSize, PasteEffect::Place},
    {{}, &WindowBox::height, nullptr, kLeastPastedSize, PasteEffect::Place},
    {{}, nullptr, &Note::fontSize, kLeastPastedSize, PasteEffect::Font}};

const KindRule* RuleOf(int kind) {
    return kind >= 0 && kind < kAttributeKindCount ? &kRules[kind] : nullptr;
}

int SlotCount(const KindRule& rule) {
    return (rule.colours[0] != nullptr) + (rule.colours[1] != nullptr);
}

}  // namespace

bool KindHasColours(int kind) {
    const KindRule* rule = RuleOf(kind);
    return rule && SlotCount(*rule) > 0;
}

AttributeBuffer PickAttribute(int kind, const Note& n, const WindowBox& box,
                              AttributeBuffer buffer) {
    const KindRule* rule = RuleOf(kind);
    if (!rule) return buffer;
    if (rule->place) buffer[0] = box.*rule->place;
    if (rule->number) buffer[0] = n.*rule->number;
    for (int i = 0; i < SlotCount(*rule); ++i) {
        const ColourSlot& slot = *rule->colours[i];
        buffer[i] = n.*slot.index;
        for (int c = 0; c < 3; ++c) buffer[2 + 3 * i + c] = n.*slot.components[c];
    }
    return buffer;
}

PasteResult PasteAttribute(int kind, const AttributeBuffer& b, std::optional<unsigned> randomSeed,
                           Note n, WindowBox box) {
    PasteResult result{PasteEffect::None, n, box};
    const KindRule* rule = RuleOf(kind);
    if (!rule) return result;
    result.effect = rule->effect;
    if (rule->place) result.box.*rule->place = std::max(rule->least, b[0]);
    if (rule->number) result.note.*rule->number = std::max(rule->least, b[0]);
    const int slots = SlotCount(*rule);
    std::vector<int> r =
        randomSeed && slots > 0 ? RandomComponents(*randomSeed, 3 * slots) : std::vector<int>{};
    for (int i = 0; i < slots; ++i) {
        const ColourSlot& slot = *rule->colours[i];
        if (!randomSeed) result.note.*slot.index = b[i];
        for (int c = 0; c < 3; ++c)
            result.note.*slot.components[c] = randomSeed ? r[3 * i + c] : b[2 + 3 * i + c];
    }
    return result;
}

std::vector<int> RandomComponents(unsigned seed, int count) {
    std::vector<int> components;
    unsigned state = seed;
    for (int i = 0; i < count; ++i) {
        // A linear congruential generator of 15-bit values, the same on every system.
        state = state * 214013u + 2531011u;
        int r = static_cast<int>((state >> 16) & 0x7FFF);
        components.push_back(static_cast<int>(r / 32768.0 * 255));
    }
    return components;
}

const char* MainButtonLabel(int mode) {
    switch (mode) {
        case kToolPaste:
            return kPasteButtonLabel;
        case kToolRandom:
            // ランダムカラー　
            return kRandomButtonLabel;
    }
    return kCopyButtonLabel;
}

ToolView OpenedTool(int kind) {
    return {kToolPick, KindHasColours(kind), false};
}

ToolView KindChosen(const ToolView& view, int kind) {
    // Between colour kinds a paste goes on: a background picked may be pasted as a text colour.
    if (KindHasColours(kind) && view.mode == kToolPaste) return {kToolPaste, true, false};
    return OpenedTool(kind);
}

ToolView MainButtonPressed(const ToolView& view) {
    ToolView next = view;
    next.mode = view.mode == kToolPaste ? kToolPick : kToolPaste;
    next.randomChecked = false;
    return next;
}

ToolView RandomToggled(const ToolView& view, bool checked) {
    ToolView next = view;
    next.randomChecked = checked && view.randomEnabled;
    next.mode = next.randomChecked ? kToolRandom : kToolPick;
    return next;
}

ToolView Picked(const ToolView& view) {
    ToolView next = view;
    next.mode = kToolPaste;
    return next;
}

int KindListEntry(int kind) {
    return kind >= 0 && kind < kAttributeKindCount ? kind : -1;
}
