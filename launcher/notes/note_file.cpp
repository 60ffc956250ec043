#include "launcher/notes/note_file.h"

#include <algorithm>
#include <climits>

namespace {

enum class ScanState { Text, Command, Fields };

// Field counts after the command that make a record, and whether a TAB may end the last one.
int LayoutEndedBy(int fieldIndex, char terminator) {
    if (terminator == '\r' && (fieldIndex == 9 || fieldIndex == 14 || fieldIndex == 18))
        return fieldIndex + 1;
    if (fieldIndex == 25) return 26;
    return 0;
}

Note DecodeRecord(const std::string& text, const std::string& command,
                  const std::vector<std::string>& fields, int layout,
                  const NoteDefaults& defaults) {
    auto number = [&](int position) { return ParseIntField(fields[position - 1]); };
    Note note;
    note.text = text;
    note.command = command;
    note.x = number(1);
    note.y = number(2);
    note.height = number(3);
    note.width = number(4);
    note.mediaPath = fields[4];
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
        note.fontFace = fields[19];
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

int ParseIntField(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
    long long value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > INT_MAX) value = INT_MAX;  // an absurd number saturates instead of wrapping
    }
    return static_cast<int>(negative ? -value : value);
}

std::vector<Note> ParseNotes(std::string_view input, const NoteDefaults& defaults) {
    std::vector<Note> notes;
    ScanState state = ScanState::Text;
    std::string text, command, field;
    std::vector<std::string> fields;
    bool restOfLineIgnored = false;  // a record longer than 26 fields ends at its 26th
    auto endField = [&](char terminator) {
        fields.push_back(std::move(field));
        field.clear();
        int layout = LayoutEndedBy(static_cast<int>(fields.size()) - 1, terminator);
        if (layout == 0) return;
        notes.push_back(DecodeRecord(text, command, fields, layout, defaults));
        if (layout == 26) restOfLineIgnored = true;
    };

    for (char byte : input) {
        switch (state) {
            case ScanState::Text:
                if (byte == '\t')
                    state = ScanState::Command;
                else
                    text += byte;
                break;
            case ScanState::Command:
                if (byte == '\t')
                    state = ScanState::Fields;
                else
                    command += byte;
                break;
            case ScanState::Fields:
                if (byte == '\n') {
                    state = ScanState::Text;
                    text.clear();
                    command.clear();
                    field.clear();
                    fields.clear();
                    restOfLineIgnored = false;
                } else if (restOfLineIgnored) {
                } else if (byte == '\r' || byte == '\t') {
                    endField(byte);
                } else {
                    field += byte;
                }
                break;
        }
    }
    // A file cut before its final CR LF still ends its last record: that note is not lost.
    if (state == ScanState::Fields && !restOfLineIgnored && input.back() != '\r') endField('\r');
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
