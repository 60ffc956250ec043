// edit_rules.h — the decisions of the Edit dialog: what its boxes make of a note, the steps of
// the colour boxes, the size a note comes back at and the size that fits its text.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "common/rgb.h"
#include "launcher/model/note.h"

// What the media path box takes from typing (the box counts characters); a longer path the note
// holds already is shown and kept whole (EditBoxLimit). The text and command boxes take any
// length.
inline constexpr std::size_t kEditMediaPathBytes = 511;
// A font face longer than this names no installed font.
inline constexpr std::size_t kEditFontFaceBytes = 31;
// The entries of the transparency and font-size lists.
inline constexpr const char* kTransparencyChoices[] = {"20", "40", "60", "80", "100"};
inline constexpr const char* kFontSizeChoices[] = {"8", "10", "12", "16", "20", "24", "36", "48"};

// Up adds 10 and Down takes 10; a value that would leave 0..255 wraps by 240 instead.
int StepColourValue(int value, bool up);

// A colour box's text after an arrow key: its number (0 without digits) stepped as above.
std::string StepColourText(std::string_view text, bool up);

// The index of the entry equal to `label` (exact bytes), or -1.
int LabelIndex(std::string_view label, const char* const* labels, int count);

// The entry at `index`, or an empty label for an index outside the list.
const char* LabelOf(int index, const char* const* labels, int count);

// The colour a combo's `label` chooses anew, or -1 when it names none or the one last chosen:
// choosing the same colour again keeps what the user typed into its boxes.
int NewColourChoice(std::string_view label, int lastIndex);

// What the dialog's boxes hold when the user confirms, as the texts and checks it shows.
struct EditedFields {
    std::string miniWidth, miniHeight, transparency, fontSize;
    std::string backRed, backGreen, backBlue, textRed, textGreen, textBlue;
    std::string mediaPath, fontFace, command, text;
    std::string backColor, textColor, runType, align;  // labels as typed or chosen
    bool topmost = false, common = false, mini = false, raiseOnHover = false, borderless = false;
};

// The note as the dialog leaves it: numbers without digits give 0, the mini size and opacity
// are raised to their least values (KeepReachable), text, command and media path are taken
// whole, the font face is cut at a character boundary, a label that matches no entry leaves its
// field as it was, and an empty command box removes the command.
Note ApplyEditedFields(Note note, const EditedFields& fields);

// The length a box is limited to: `least`, or the length of what it is filled with when that
// is longer, so that a long value the note holds is shown and read back whole.
std::size_t EditBoxLimit(std::size_t least, std::string_view held);

// The colour the dialog previews: the boxes' triple when none of them is -1, else the named
// colour last chosen in the combo.
Rgb PreviewColour(int lastIndex, std::string_view red, std::string_view green,
                  std::string_view blue);

// The colour the chooser starts from: the low 8 bits of each box's number.
Rgb ChooserPreset(std::string_view red, std::string_view green, std::string_view blue);

struct ReturnPlan {
    int width = 0;
    int height = 0;
    bool forgetExpanded = false;  // the note was the expanded mini note and is no longer mini
};

// The size a note comes back at after the dialog: full size, or the mini size when "mini"
// was just switched on.
ReturnPlan SizeAfterEdit(const Note& note, bool miniBefore);

struct MeasuredLine {
    int lines = 1;
    std::string_view line;  // without its line break
};

// The text the auto size measures: the note's text cut at a character boundary, so a huge
// text is not measured whole.
std::string TextToMeasure(std::string_view text);

// The line the auto size measures and the number of lines: a final line feed adds no line;
// the longest line in bytes, the first of equals, the last line included so that it fits too.
MeasuredLine LineToMeasure(std::string_view text);

struct NoteSize {
    int width = 0;
    int height = 0;
};

// Width and height that fit `lines` lines of a measured line `lineWidth` by `lineHeight`.
NoteSize AutoSize(int lines, int lineWidth, int lineHeight);
