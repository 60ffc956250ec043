#include "launcher/notes/note_file.h"

#include <algorithm>
#include <climits>

#include "common/int_values.h"
#include "common/note_records.h"

namespace {

Note DecodeRecord(const NoteRecord& record, const NoteDefaults& defaults) {
    const std::vector<std::string_view>& fields = record.fields;
    const int layout = record.layout;
    auto number = [&](int position) { return ParseDecimalInt(fields[position - 1]); };
    Note note;
    note.text = record.text;
    note.command = record.command;
    note.x = number(1);
    note.y = number(2);
    note.height = number(3);
    note.width = number(4);
    note.mediaPath = std::string(fields[4]);
    note.fontSize = number(6);
    note.transparency = number(7);
    note.topmost = number(8);
    note.backColor = number(9);
    note.textColor = number(10);
    note.runType = note.align = note.common = note.mini = 0;
    note.miniWidth = defaults.miniWidth;
    note.miniHeight = defaults.miniHeight;
    note.raiseOnHover = note.borderless = note.spare = 0;
    if (layout >= 15) {
        note.runType = number(11);
        note.align = number(12);
        note.common = number(13);
        note.mini = number(14);
    }
    if (layout >= 19) {
        note.miniWidth = std::max(10, number(15));
        note.miniHeight = std::max(10, number(16));
        note.raiseOnHover = number(17);
        note.borderless = number(18);
        note.spare = number(19);
    }
    if (layout == 26) {
        note.fontFace = std::string(fields[19]);
        note.textRed = number(21);
        note.textGreen = number(22);
        note.textBlue = number(23);
        note.backRed = number(24);
        note.backGreen = number(25);
        note.backBlue = number(26);
    }
    return note;
}

std::string TabsToSpaces(std::string text) {
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

// The one-line fields: a line break there would end the record early on reading.
std::string ControlsToSpaces(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return text;
}

}  // namespace

std::vector<Note> ParseNotes(std::string_view input, const NoteDefaults& defaults) {
    std::vector<Note> notes;
    NoteRecordScanner scanner(input);
    NoteRecord record;
    while (scanner.Next(record)) notes.push_back(DecodeRecord(record, defaults));
    return notes;
}

void RaiseMiniSize(Note& note) {
    note.miniWidth = std::max(10, note.miniWidth);
    note.miniHeight = std::max(10, note.miniHeight);
}

std::string FormatNote(const Note& note) {
    std::string line = TabsToSpaces(note.text);
    auto addText = [&](const std::string& value) {
        line += '\t';
        line += value;
    };
    auto addNumber = [&](int value) { addText(std::to_string(value)); };
    addText(TabsToSpaces(note.command));
    addNumber(std::max(-5, note.x));
    addNumber(std::max(-5, note.y));
    addNumber(std::max(10, note.height));
    addNumber(std::max(10, note.width));
    addText(ControlsToSpaces(note.mediaPath));
    for (int value : {note.fontSize, note.transparency, note.topmost, note.backColor,
                      note.textColor, note.runType, note.align, note.common, note.mini})
        addNumber(value);
    addNumber(std::max(10, note.miniWidth));
    addNumber(std::max(10, note.miniHeight));
    for (int value : {note.raiseOnHover, note.borderless, note.spare}) addNumber(value);
    addText(ControlsToSpaces(note.fontFace));
    for (int value :
         {note.textRed, note.textGreen, note.textBlue, note.backRed, note.backGreen, note.backBlue})
        addNumber(value);
    line += "\r\n";
    return line;
}
