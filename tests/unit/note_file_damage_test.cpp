// Damaged and hostile note files: whatever bytes a board holds, reading it must not crash, and
// every note that is written must read back as it was.
#include <gtest/gtest.h>

#include <random>

#include "launcher/model/note_file.h"

namespace {

// Bytes weighted toward the ones the format gives meaning to.
std::string RandomBoardBytes(std::mt19937& random, std::size_t length) {
    static const char kInteresting[] = {'\t', '\r', '\n', '-', '0', '9', ' ', '\x95', '\x5C', 'a'};
    std::string bytes;
    for (std::size_t i = 0; i < length; ++i) {
        unsigned pick = random() % 16;
        bytes += pick < sizeof kInteresting ? kInteresting[pick] : static_cast<char>(random());
    }
    return bytes;
}

std::string RandomText(std::mt19937& random, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        char c = static_cast<char>(random());
        text += c == '\t' ? ' ' : c;  // a TAB cannot survive a save; covered elsewhere
    }
    return text;
}

}  // namespace

TEST(DamagedBoards, RandomBytesNeverCrashTheReader) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = RandomBoardBytes(random, random() % 600);
        std::vector<Note> notes = ParseNotes(bytes, {40, 20});
        for (const Note& note : notes) {
            EXPECT_GE(note.miniWidth, 10);
            // Whatever was read can be written and read again to the same record.
            std::string line = FormatNote(note);
            EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
        }
    }
}

TEST(DamagedBoards, ExtremeNumbersSaturateInsteadOfWrapping) {
    std::string line =
        "t\t\t99999999999999999999\t-99999999999999999999\t0\t0\t\t0\t0\t0\t0\t0\r\n";
    std::vector<Note> notes = ParseNotes(line, {40, 20});
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].x, 2147483647);
    EXPECT_EQ(notes[0].y, -2147483647);
}

TEST(DamagedBoards, AnyTextAndCommandWithoutTabsRoundTrip) {
    // Text and command may hold any byte but TAB, line breaks included; the record after them
    // must still be found.
    std::mt19937 random(7);
    std::string file;
    std::vector<Note> written;
    for (int i = 0; i < 200; ++i) {
        Note note;
        note.text = RandomText(random, random() % 300);
        note.command = RandomText(random, random() % 50);
        note.x = static_cast<int>(random() % 2000) - 5;
        note.mediaPath = "C:\\表\\" + std::to_string(i);
        written.push_back(note);
        file += FormatNote(note);
    }
    std::vector<Note> read = ParseNotes(file, {40, 20});
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].text, written[i].text) << i;
        EXPECT_EQ(read[i].command, written[i].command) << i;
        EXPECT_EQ(read[i].x, written[i].x) << i;
        EXPECT_EQ(read[i].mediaPath, written[i].mediaPath) << i;
    }
}
