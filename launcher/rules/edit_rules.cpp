#include "launcher/rules/edit_rules.h"

#include <algorithm>
#include <iterator>

#include "common/int_values.h"
#include "common/sjis.h"
#include "launcher/model/colours.h"
#include "launcher/model/new_note.h"
#include "launcher/model/note_bounds.h"
#include "launcher/model/note_file.h"

namespace {

// A field is set only when its label names an entry.
void SetFromLabel(int& field, std::string_view label, const char* const* labels, int count) {
    int index = LabelIndex(label, labels, count);
    if (index >= 0) field = index;
}

}  // namespace

int StepColourValue(int value, bool up) {
    long long v = value;
    long long stepped = up ? v + 10 : v - 10;
    if (up && stepped >= 256) stepped = v - 240;
    if (!up && stepped < 0) stepped = v + 240;
    return HeldInInt(stepped);
}

std::string StepColourText(std::string_view text, bool up) {
    return std::to_string(StepColourValue(ParseDecimalInt(text), up));
}

int LabelIndex(std::string_view label, const char* const* labels, int count) {
    for (int i = 0; i < count; ++i)
        if (label == labels[i]) return i;
    return -1;
}

const char* LabelOf(int index, const char* const* labels, int count) {
    return index >= 0 && index < count ? labels[index] : "";
}

int NewColourChoice(std::string_view label, int lastIndex) {
    int index = LabelIndex(label, kColourNames, kColourCount);
    return index == lastIndex ? -1 : index;
}

Note ApplyEditedFields(Note note, const EditedFields& f) {
    note.miniWidth = ParseDecimalInt(f.miniWidth);
    note.miniHeight = ParseDecimalInt(f.miniHeight);
    note.transparency = ParseDecimalInt(f.transparency);
    note.fontSize = ParseDecimalInt(f.fontSize);
    note.backRed = ParseDecimalInt(f.backRed);
    note.backGreen = ParseDecimalInt(f.backGreen);
    note.backBlue = ParseDecimalInt(f.backBlue);
    note.textRed = ParseDecimalInt(f.textRed);
    note.textGreen = ParseDecimalInt(f.textGreen);
    note.textBlue = ParseDecimalInt(f.textBlue);
    note.mediaPath = f.mediaPath;
    note.fontFace = CutAtCharBoundary(f.fontFace, kEditFontFaceBytes);
    note.command = f.command;
    note.text = f.text;
    SetFromLabel(note.backColor, f.backColor, kColourNames, kColourCount);
    SetFromLabel(note.textColor, f.textColor, kColourNames, kColourCount);
    SetFromLabel(note.runType, f.runType, kRunTypeNames,
                 static_cast<int>(std::size(kRunTypeNames)));
    SetFromLabel(note.align, f.align, kAlignNames, static_cast<int>(std::size(kAlignNames)));
    note.topmost = f.topmost;
    note.common = f.common;
    note.mini = f.mini;
    note.raiseOnHover = f.raiseOnHover;
    note.borderless = f.borderless;
    return KeepReachable(note);
}

std::size_t EditBoxLimit(std::size_t least, std::string_view held) {
    return std::max(least, held.size());
}

Rgb PreviewColour(int lastIndex, std::string_view red, std::string_view green,
                  std::string_view blue) {
    return ColourOf(lastIndex, ParseDecimalInt(red), ParseDecimalInt(green), ParseDecimalInt(blue));
}

Rgb ChooserPreset(std::string_view red, std::string_view green, std::string_view blue) {
    return {ParseDecimalInt(red) & 0xFF, ParseDecimalInt(green) & 0xFF,
            ParseDecimalInt(blue) & 0xFF};
}

ReturnPlan SizeAfterEdit(const Note& note, bool miniBefore) {
    if (note.mini && !miniBefore) return {note.miniWidth, note.miniHeight, false};
    return {note.width, note.height, miniBefore && !note.mini};
}

std::string TextToMeasure(std::string_view text) {
    constexpr std::size_t kMeasuredBytes = 32767;
    return CutAtCharBoundary(text, kMeasuredBytes);
}

MeasuredLine LineToMeasure(std::string_view text) {
    MeasuredLine result;
    std::size_t start = 0;
    bool first = true;
    while (start <= text.size()) {
        std::size_t feed = text.find('\n', start);
        bool last = feed == std::string_view::npos;
        std::string_view line = text.substr(start, last ? std::string_view::npos : feed - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (first || line.size() > result.line.size()) result.line = line;
        first = false;
        if (last || feed + 1 == text.size()) break;
        ++result.lines;
        start = feed + 1;
    }
    return result;
}

NoteSize AutoSize(int lines, int lineWidth, int lineHeight) {
    return {HeldInInt(static_cast<long long>(lineWidth) + 10),
            HeldInInt(static_cast<long long>(lines) * lineHeight + 10)};
}
