// Marnelo's loader and Quorvel's note index on the same bytes: the same records in the same
// order, with the same texts and commands. Quorvel leaves out the header Marnelo writes before
// a deleted note, so that header is the one difference allowed.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_stamp.h"
#include "launcher/model/note_file.h"
#include "tests/fuzz/fuzz_check.h"
#include "utility/model/note_index.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string_view content(reinterpret_cast<const char*>(bytes), size);
    std::vector<Note> notes = ParseNotes(content, NoteDefaults{});
    NoteLists lists;
    int taken = ParseNoteText(lists, "board.txt", content);
    Require(taken >= 0 && static_cast<std::size_t>(taken) == notes.size(),
            "both programs find the same number of records");
    for (std::size_t i = 0; i < notes.size(); ++i) {
        std::string_view text = notes[i].text;
        text.remove_prefix(DeletedNoteHeaderLength(text));
        Require(lists.pairs[i].text == text, "the same text");
        Require(lists.pairs[i].command == notes[i].command, "the same command");
    }
    return 0;
}
