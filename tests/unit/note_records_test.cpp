// Marnelo shows and Quorvel indexes the same notes of a board, whatever its bytes.
#include <gtest/gtest.h>

#include <utility>

#include "launcher/model/note_file.h"
#include "utility/model/note_index.h"

namespace {

using TextAndCommand = std::vector<std::pair<std::string, std::string>>;

// Text, command and filler fields up to field `count`, then `end`.
std::string Record(const std::string& text, const std::string& command, int count,
                   const std::string& end = "\r\n") {
    std::string line = text + "\t" + command;
    for (int i = 3; i <= count; ++i) line += "\t" + std::to_string(i);
    return line + end;
}

TextAndCommand MarneloReads(const std::string& bytes) {
    TextAndCommand read;
    for (const Note& note : ParseNotes(bytes, {})) read.emplace_back(note.text, note.command);
    return read;
}

TextAndCommand QuorvelReads(const std::string& bytes) {
    NoteLists lists;
    ParseNoteText(lists, "b.txt", bytes);
    TextAndCommand read;
    for (const NotePair& pair : lists.pairs) read.emplace_back(pair.text, pair.command);
    return read;
}

TEST(NoteRecords, BothProgramsReadTheSameNotes) {
    const std::string full = Record("full", "cmd", 28);
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t notes;
    };
    const Case cases[] = {
        {"older layouts",
         Record("一行目\r\n二行目", "c\r\nd", 12) + Record("b", "", 17) + Record("bad", "x", 14) +
             Record("c", "y", 21) + full,
         4},
        {"no final CR LF", full + Record("last", "", 28, ""), 2},
        {"runs of CR",
         Record("ten", "", 12, "\r\r\r\r\r\r\r\r\r\r\n") +
             Record("fifteen", "", 17, "\r\r\r\r\r\r\r\r\n") + full,
         3},
        {"more fields than the layout", Record("long", "", 40) + Record("longer", "", 57) + full,
         3},
    };
    for (const Case& c : cases) {
        TextAndCommand marnelo = MarneloReads(c.bytes);
        EXPECT_EQ(marnelo.size(), c.notes) << c.what;
        EXPECT_EQ(QuorvelReads(c.bytes), marnelo) << c.what;
    }
}

}  // namespace
