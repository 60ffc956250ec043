#include "launcher/model/note_file.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "common/int_values.h"
#include "common/note_records.h"

namespace {

// A record's fields after the command, in file order: a number goes to an int member, a text
// to a string member; `least` is what a number is raised to when written.
struct Field {
    int Note::*number;
    std::string Note::*text;
    int least;
};
constexpr Field Number(int Note::*member, int least = INT_MIN) {
    return {member, nullptr, least};
}
constexpr Field Text(std::string Note::*member) {
    return {nullptr, member, INT_MIN};
}
constexpr int kSize = kLeastStoredSize;
// clang-format off
const Field kFields[] = {
    // A place left of or above the primary screen is on another screen: kept as it is, since
    // a note on no screen at all is brought within reach when it is shown.
    Number(&Note::x),              Number(&Note::y),               Number(&Note::height, kSize),
    Number(&Note::width, kSize),   Text(&Note::mediaPath),         Number(&Note::fontSize),
    Number(&Note::transparency),   Number(&Note::topmost),         Number(&Note::backColor),
    Number(&Note::textColor),      Number(&Note::runType),         Number(&Note::align),
    Number(&Note::common),         Number(&Note::mini),            Number(&Note::miniWidth, kSize),
    Number(&Note::miniHeight, kSize), Number(&Note::raiseOnHover), Number(&Note::borderless),
    Number(&Note::spare),          Text(&Note::fontFace),          Number(&Note::textRed),
    Number(&Note::textGreen),      Number(&Note::textBlue),        Number(&Note::backRed),
    Number(&Note::backGreen),      Number(&Note::backBlue)};
// clang-format on

// How many leading fields a layout carries values for; older layouts leave the rest at their
// defaults, and the 15-field layout's last field is not read.
std::size_t FieldsRead(int layout) {
    switch (layout) {
        case 10:
            return 10;
        case 15:
            return 14;
        case 19:
            return 19;
        default:
            return std::size(kFields);
    }
}

Note DecodeRecord(const NoteRecord& record, const NoteDefaults& defaults) {
    Note note;
    note.text = record.text;
    note.command = record.command;
    note.miniWidth = defaults.miniWidth;
    note.miniHeight = defaults.miniHeight;
    for (std::size_t i = 0; i < FieldsRead(record.layout); ++i) {
        const Field& field = kFields[i];
        if (field.number)
            note.*field.number = ParseDecimalInt(record.fields[i]);
        else
            note.*field.text = std::string(record.fields[i]);
    }
    // A stored mini size below the least is raised; a default from the settings is taken as is.
    if (record.layout >= 19) RaiseMiniSize(note);
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

std::string FormatNote(const Note& note) {
    std::string line = TabsToSpaces(note.text);
    auto addText = [&](const std::string& value) {
        line += '\t';
        line += value;
    };
    auto addNumber = [&](int value) { addText(std::to_string(value)); };
    addText(TabsToSpaces(note.command));
    for (const Field& field : kFields) {
        if (field.number)
            addNumber(std::max(field.least, note.*field.number));
        else
            addText(ControlsToSpaces(note.*field.text));
    }
    line += "\r\n";
    return line;
}
