#include "launcher/model/board_merge.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// "a@1,2 b@3,4": notes of the texts a and b at x 1, y 2 and x 3, y 4; "a^" is a common note.
std::vector<Note> Notes(const std::string& spec) {
    std::vector<Note> notes;
    std::istringstream words(spec);
    std::string word;
    while (words >> word) {
        Note note;
        std::size_t at = word.find('@');
        note.text = word.substr(0, at);
        if (!note.text.empty() && note.text.back() == '^') {
            note.text.pop_back();
            note.common = 1;
        }
        if (at != std::string::npos) std::sscanf(word.c_str() + at + 1, "%d,%d", &note.x, &note.y);
        notes.push_back(note);
    }
    return notes;
}

std::string Spec(const std::vector<Note>& notes) {
    std::string spec;
    for (const Note& note : notes)
        spec += (spec.empty() ? "" : " ") + note.text + (note.common == 1 ? "^" : "") + "@" +
                std::to_string(note.x) + "," + std::to_string(note.y);
    return spec;
}

struct MergeCase {
    const char* name;
    const char* base;
    const char* ours;
    const char* theirs;
    const char* merged;
    const char* conflicts;
    const char* deleted;
};

const MergeCase kCases[] = {
    {"nothing changed", "a@1,1 b@2,2", "a@1,1 b@2,2", "a@1,1 b@2,2", "a@1,1 b@2,2", "", ""},
    {"added there", "a@1,1", "a@1,1", "a@1,1 b@2,2", "a@1,1 b@2,2", "", ""},
    {"added on both sides", "a@1,1", "a@1,1 c@3,3", "a@1,1 b@2,2", "a@1,1 b@2,2 c@3,3", "", ""},
    {"added alike on both sides is one note", "a@1,1", "a@1,1 b@2,2", "a@1,1 b@2,2", "a@1,1 b@2,2",
     "", ""},
    {"added there goes after its neighbour there", "a@1,1 c@3,3", "a@1,1 c@3,3 d@4,4",
     "a@1,1 b@2,2 c@3,3", "a@1,1 b@2,2 c@3,3 d@4,4", "", ""},
    {"deleted there, unchanged here", "a@1,1 b@2,2", "a@1,1 b@2,2 c@3,3", "a@1,1", "a@1,1 c@3,3",
     "", "b@2,2"},
    {"deleted here, unchanged there", "a@1,1 b@2,2", "a@1,1", "a@1,1 b@2,2 c@3,3", "a@1,1 c@3,3",
     "", ""},
    {"moved here, edited elsewhere there", "a@1,1 b@2,2", "a@9,9 b@2,2", "a@1,1 B@2,2",
     "a@9,9 B@2,2", "", ""},
    {"moved there", "a@1,1 b@2,2", "a@1,1 b@2,2 c@3,3", "a@5,5 b@2,2", "a@5,5 b@2,2 c@3,3", "", ""},
    {"moved alike on both sides", "a@1,1", "a@5,5 c@3,3", "a@5,5", "a@5,5 c@3,3", "", ""},
    {"edited there in place", "a@1,1", "a@1,1 c@3,3", "A@1,1", "A@1,1 c@3,3", "", ""},
    {"changed differently on both sides", "a@1,1", "A@1,1", "a@7,7", "A@1,1", "a@7,7", ""},
    {"edited differently on both sides", "a@1,1 b@2,2", "x@1,1 b@2,2", "y@1,1 b@2,2", "x@1,1 b@2,2",
     "y@1,1", ""},
    {"an edit here outweighs a deletion there", "a@1,1 b@2,2", "a@4,4 b@2,2", "b@2,2",
     "a@4,4 b@2,2", "", ""},
    {"an edit there outweighs a deletion here", "a@1,1 b@2,2", "b@2,2 c@3,3", "a@4,4 b@2,2",
     "a@4,4 b@2,2 c@3,3", "", ""},
    {"reordered there", "a@1,1 b@2,2 c@3,3", "a@1,1 b@2,2 c@3,3", "c@3,3 a@1,1 b@2,2",
     "c@3,3 a@1,1 b@2,2", "", ""},
    {"reordered here", "a@1,1 b@2,2 c@3,3", "c@3,3 a@1,1 b@2,2", "a@1,1 b@2,2 c@3,3",
     "c@3,3 a@1,1 b@2,2", "", ""},
    {"duplicate texts pair in order", "a@1,1 a@2,2", "a@1,1 a@2,2 z@9,9", "a@1,1 a@6,6",
     "a@1,1 a@6,6 z@9,9", "", ""},
    {"duplicates reordered there, one retyped here", "a@1,1 a@2,2 a@3,3", "a@1,1 a@2,2 c@3,3",
     "a@3,3 a@1,1 a@2,2", "a@1,1 a@2,2 c@3,3", "", ""},
    {"one of two duplicates deleted there", "a@1,1 a@2,2", "a@1,1 a@2,2 z@9,9", "a@1,1",
     "a@1,1 z@9,9", "", "a@2,2"},
    {"a note edited and moved at once is another note", "a@1,1", "a@1,1 z@9,9", "A@5,5",
     "A@5,5 z@9,9", "", "a@1,1"},
    {"both sides empty the board", "a@1,1", "", "", "", "", ""},
    {"common notes merge like any", "c^@1,1", "c^@1,1 d^@2,2", "c^@1,1 e^@3,3",
     "c^@1,1 e^@3,3 d^@2,2", "", ""},
};

TEST(MergeNotes, Table) {
    for (const MergeCase& c : kCases) {
        MergeResult result = MergeNotes(Notes(c.base), Notes(c.ours), Notes(c.theirs));
        EXPECT_EQ(Spec(result.notes), c.merged) << c.name;
        EXPECT_EQ(Spec(result.conflicts), c.conflicts) << c.name;
        EXPECT_EQ(Spec(result.deleted), c.deleted) << c.name;
    }
}

TEST(MergeNotes, AnUnchangedSideGivesTheOtherSideExactly) {
    std::vector<Note> base = Notes("a@1,1 b@2,2 a@3,3");
    std::vector<Note> changed = Notes("b@2,2 q@0,0 a@3,3 A@1,1");
    changed[0].backColor = 4;
    EXPECT_EQ(Spec(MergeNotes(base, base, changed).notes), Spec(changed));
    EXPECT_EQ(MergeNotes(base, base, changed).notes[0].backColor, 4);
    EXPECT_EQ(Spec(MergeNotes(base, changed, base).notes), Spec(changed));
}

NoteDefaults kDefaults;

ReadBase BaseOf(const std::string& text) {
    return {text, {}};
}

TEST(JudgeDisk, MissingOrEmptyIsNoNewsWhileNotesWereRead) {
    const std::string board = FormatNote(Notes("a@1,1")[0]);
    const std::string other = board + FormatNote(Notes("b@2,2")[0]);
    struct {
        std::optional<std::string> disk;
        std::string base;
        DiskState state;
    } cases[] = {
        {board, board, DiskState::Same},
        {other, board, DiskState::Changed},
        {std::nullopt, board, DiskState::NoNews},
        {std::string(), board, DiskState::NoNews},
        {std::string("\r\n"), board, DiskState::NoNews},
        {std::string("plain text"), board, DiskState::NoNews},
        {std::string("plain text"), "", DiskState::NoNews},
        {std::nullopt, "", DiskState::Same},
        {std::string(), "", DiskState::Same},
        {other, "", DiskState::Changed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JudgeDisk(c.disk, BaseOf(c.base), kDefaults), c.state)
            << (c.disk ? *c.disk : "(unreadable)") << " over " << c.base;
}

TEST(PlanSaveStep, OnlyAFileThatMayHoldNotesUnreadIsLeftAlone) {
    const std::string board = FormatNote(Notes("a@1,1")[0]);
    struct {
        DiskState state;
        std::optional<std::string> disk;
        bool mayExist;
        SaveStep step;
    } cases[] = {
        {DiskState::Changed, board, true, SaveStep::Merge},
        {DiskState::Same, board, true, SaveStep::Write},
        {DiskState::NoNews, std::nullopt, false, SaveStep::Write},  // gone: this PC's notes
        {DiskState::NoNews, std::string(), true, SaveStep::Write},
        {DiskState::NoNews, std::nullopt, true, SaveStep::LeaveAlone},  // held
        {DiskState::Same, std::nullopt, true, SaveStep::LeaveAlone},
        {DiskState::NoNews, std::string("plain text"), true, SaveStep::LeaveAlone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlanSaveStep(c.state, c.disk, c.mayExist), c.step)
            << (c.disk ? *c.disk : "(unreadable)") << " may exist " << c.mayExist;
}

TEST(EntryChanged, SizeTimeOrPresenceTellsTheFileMustBeReadAgain) {
    FileFingerprint read{true, 10, 500, 0};
    EXPECT_FALSE(EntryChanged(read, true, 10, 500));
    EXPECT_TRUE(EntryChanged(read, true, 11, 500));
    EXPECT_TRUE(EntryChanged(read, true, 10, 501));
    EXPECT_TRUE(EntryChanged(read, false, 0, 0));
    EXPECT_NE(HashBytes("ab"), HashBytes("ba"));
}

TEST(ConflictFileName, TheBoardNameTheMarkerAndTheTime) {
    LocalTime at{2026, 12, 10, 9, 5, 7};
    EXPECT_EQ(ConflictFileName("marnelo.txt", at), "marnelo_競合_20261210090507.txt");
    EXPECT_EQ(ConflictFileName("memo", at), "memo_競合_20261210090507.txt");
}

TEST(ConflictRecords, ConflictNotesStayOnTheConflictBoard) {
    std::vector<Note> notes = Notes("c^@1,1 b@2,2");
    std::vector<Note> read = ParseNotes(ConflictRecords(notes), kDefaults);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].common, 0);
    EXPECT_EQ(read[0].text, "c");
}

TEST(MergedBoard, TheOtherVersionStaysOnTheBoardWhenNoConflictFileTookIt) {
    MergeResult merged{Notes("a@1,1 b@2,2"), Notes("B@2,2"), {}};
    EXPECT_EQ(Spec(MergedBoard(merged, true)), "a@1,1 b@2,2");
    EXPECT_EQ(Spec(MergedBoard(merged, false)), "a@1,1 b@2,2 B@2,2");
}

}  // namespace
