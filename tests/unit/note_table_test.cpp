#include "launcher/rules/note_table.h"

#include <gtest/gtest.h>

namespace {

NoteTable TableOf(std::initializer_list<bool> minis) {
    NoteTable table;
    for (bool mini : minis) {
        Note note;
        note.mini = mini;
        note.width = 90;
        note.height = 50;
        note.miniWidth = 3;  // below the least mini size
        note.miniHeight = 20;
        table.slots.push_back({note, {}});
    }
    return table;
}

}  // namespace

TEST(NoteTable, RemovingANoteKeepsTheEditedAndExpandedNotes) {
    NoteTable table = TableOf({false, false, true, true});
    table.editedNote = 3;
    table.expandedNote = 2;
    table.slots[3].note.text = "last";
    table.Remove(1);
    ASSERT_EQ(table.Count(), 3);
    EXPECT_EQ(table.editedNote, 2);
    EXPECT_EQ(table.expandedNote, 1);
    EXPECT_EQ(table.slots[2].note.text, "last");
    table.expandedNote = 3;
    EXPECT_EQ(table.Expanded(), -1) << "past the end";
    table.expandedNote = 1;
    EXPECT_EQ(table.Expanded(), 1);
    table.Remove(1);
    EXPECT_EQ(table.expandedNote, -1) << "the expanded note itself went";
    EXPECT_EQ(table.editedNote, 1);
    table.Clear();
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(table.editedNote, -1);
}

TEST(NoteTable, TheLaterClockNoteShowsTheTimeAndMiniNotesAreMadeSmall) {
    NoteTable table = TableOf({false, true, false});
    EXPECT_EQ(table.LastClockNote(), -1);
    table.slots[0].note.command = "tokei";
    table.slots[1].note.command = "tokei";
    EXPECT_EQ(table.LastClockNote(), 1);
    table.Remove(1);
    EXPECT_EQ(table.LastClockNote(), 0) << "the earlier one takes over";

    Note note = table.slots[1].note;
    note.x = -5;
    WindowBox full = CreatedBox(note);
    EXPECT_EQ(full.left, -5);
    EXPECT_EQ(full.width, 90);
    note.mini = 1;
    WindowBox mini = CreatedBox(note);
    EXPECT_EQ(mini.width, 3);
    EXPECT_EQ(mini.height, 20);
}

TEST(NoteTable, TheEditorTakesTheShownSizeOnlyOfANoteAtFullSize) {
    NoteTable table = TableOf({false, true, true});
    table.expandedNote = 2;
    for (int i = 0; i < 3; ++i) {
        table.OpenEditor(i, {7, 8, 300, 200});
        EXPECT_EQ(table.editedNote, i);
        EXPECT_TRUE(table.editorOpen);
        EXPECT_EQ(table.editedX, 7);
        EXPECT_EQ(table.editedY, 8);
        EXPECT_EQ(table.slots[i].note.width, i == 1 ? 90 : 300) << i;
        EXPECT_EQ(table.slots[i].note.height, i == 1 ? 50 : 200) << i;
    }
}

TEST(SavedRecordOf, TheWindowGivesPlaceAndFullSizeUnlessTheEditorHoldsIt) {
    NoteTable table = TableOf({false, true, true});
    table.expandedNote = 2;
    const WindowBox box{-3, 4, 120, 60};
    for (int i = 0; i < 3; ++i) {
        Note record = SavedRecordOf(table, i, "now", box);
        EXPECT_EQ(record.text, "now");
        EXPECT_EQ(record.x, -3);
        EXPECT_EQ(record.y, 4);
        EXPECT_EQ(record.width, i == 1 ? 90 : 120) << "a mini note keeps its full size";
        EXPECT_EQ(record.height, i == 1 ? 50 : 60);
        EXPECT_EQ(table.slots[i].note.miniWidth, 10) << "raised in the table too";
    }
    // The edited note's window is shrunk at the origin: the place it had is written.
    table.OpenEditor(0, {50, 60, 300, 200});
    Note record = SavedRecordOf(table, 0, "t", {0, 0, 0, 0});
    EXPECT_EQ(record.x, 50);
    EXPECT_EQ(record.y, 60);
    EXPECT_EQ(record.width, 300);
    table.editorOpen = false;
    EXPECT_EQ(SavedRecordOf(table, 0, "t", box).x, -3) << "once closed, the window counts again";
}
