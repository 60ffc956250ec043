// A board file loaded and saved again: the save keeps every record the load found, with the
// values saving raises, and a second save of what was read back is the same bytes. A note made
// up of arbitrary values goes through the same save and load.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/model/note_file.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/note_fields.h"

namespace {

std::string Replaced(std::string text, std::string_view bytes) {
    for (char& c : text)
        if (bytes.find(c) != std::string_view::npos) c = ' ';
    return text;
}

// The note as a save stores it.
Note Saved(Note note) {
    note.height = std::max(10, note.height);
    note.width = std::max(10, note.width);
    note.miniWidth = std::max(10, note.miniWidth);
    note.miniHeight = std::max(10, note.miniHeight);
    note.text = Replaced(note.text, "\t");
    note.command = Replaced(note.command, "\t");
    note.mediaPath = Replaced(note.mediaPath, "\t\r\n");
    note.fontFace = Replaced(note.fontFace, "\t\r\n");
    return note;
}

std::string Save(const std::vector<Note>& notes) {
    std::string text;
    for (const Note& note : notes) text += FormatNote(note);
    return text;
}

void RequireRoundTrip(const std::vector<Note>& notes) {
    std::string saved = Save(notes);
    std::vector<Note> reread = ParseNotes(saved, NoteDefaults{});
    Require(reread.size() == notes.size(), "a saved board reads back every record");
    for (std::size_t i = 0; i < notes.size(); ++i)
        Require(AllFields(reread[i]) == AllFields(Saved(notes[i])), "a record reads back as saved");
    Require(Save(reread) == saved, "a second save is byte-identical");
}

Note MadeUpNote(FuzzedDataProvider& data) {
    Note note;
    note.text = data.ConsumeRandomLengthString(64);
    note.command = data.ConsumeRandomLengthString(64);
    note.mediaPath = data.ConsumeRandomLengthString(32);
    note.fontFace = data.ConsumeRandomLengthString(16);
    for (int* value : {&note.x,          &note.y,
                       &note.height,     &note.width,
                       &note.fontSize,   &note.transparency,
                       &note.topmost,    &note.backColor,
                       &note.textColor,  &note.runType,
                       &note.align,      &note.common,
                       &note.mini,       &note.miniWidth,
                       &note.miniHeight, &note.raiseOnHover,
                       &note.borderless, &note.spare,
                       &note.textRed,    &note.textGreen,
                       &note.textBlue,   &note.backRed,
                       &note.backGreen,  &note.backBlue})
        *value = data.ConsumeIntegralInRange(-INT_MAX, INT_MAX);  // what a record can hold
    return note;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string_view file(reinterpret_cast<const char*>(bytes), size);
    RequireRoundTrip(ParseNotes(file, NoteDefaults{}));

    FuzzedDataProvider data(bytes, size);
    RequireRoundTrip({MadeUpNote(data)});
    return 0;
}
