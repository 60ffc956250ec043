#include "launcher/notes/board_save.h"

#include <gtest/gtest.h>

#include "launcher/notes/board_edits.h"

TEST(PlanFileSave, EachFileTakesTheNotesOfItsFlagInTableOrder) {
    const std::vector<SaveRecord> records = {{0, "a\r\n"},   {1, "c1\r\n"}, {0, "b\r\n"},
                                             {2, "odd\r\n"}, {1, "c2\r\n"}, {-1, "neg\r\n"}};
    FileSavePlan board = PlanFileSave(records, SavedFile::Board);
    EXPECT_EQ(board.change, FileChange::Replace);
    EXPECT_EQ(board.text, "a\r\nb\r\nodd\r\nneg\r\n") << "an odd flag stays with the board";
    FileSavePlan common = PlanFileSave(records, SavedFile::Common);
    EXPECT_EQ(common.change, FileChange::Replace);
    EXPECT_EQ(common.text, "c1\r\nc2\r\n");
}

TEST(PlanFileSave, FilesWithoutNotesAreRemoved) {
    EXPECT_EQ(PlanFileSave({}, SavedFile::Board).change, FileChange::RemoveBoth);
    EXPECT_EQ(PlanFileSave({}, SavedFile::Common).change, FileChange::RemoveBoth);
    const std::vector<SaveRecord> onlyCommon = {{1, "c\r\n"}};
    EXPECT_EQ(PlanFileSave(onlyCommon, SavedFile::Board).change, FileChange::Remove);
    EXPECT_EQ(PlanFileSave(onlyCommon, SavedFile::Common).change, FileChange::Replace);
    const std::vector<SaveRecord> onlyOdd = {{5, "x\r\n"}};
    EXPECT_EQ(PlanFileSave(onlyOdd, SavedFile::Board).change, FileChange::Replace);
    EXPECT_EQ(PlanFileSave(onlyOdd, SavedFile::Common).change, FileChange::Remove);
}

TEST(PlanFileSave, AnEmptyRecordStillKeepsItsFile) {
    // A note whose record is somehow empty still counts: the file is replaced, not removed.
    EXPECT_EQ(PlanFileSave({{0, ""}}, SavedFile::Board).change, FileChange::Replace);
}

TEST(MoveTargetPath, NamesLieInTheDataFolderAndPathsStandAsTheyAre) {
    EXPECT_EQ(MoveTargetPath("work.txt", "C:\\App\\fdir"), "C:\\App\\fdir\\work.txt");
    EXPECT_EQ(MoveTargetPath("D:\\memo\\a.txt", "C:\\App\\fdir"), "D:\\memo\\a.txt");
    // The second byte of "表" is a backslash byte, not a separator: still a plain name.
    EXPECT_EQ(MoveTargetPath("表.txt", "C:\\fdir"), "C:\\fdir\\表.txt");
}

TEST(IndexAfterRemoval, TheRemovedNoteGoesAndLaterOnesMoveDown) {
    EXPECT_EQ(IndexAfterRemoval(-1, 0), -1);
    EXPECT_EQ(IndexAfterRemoval(0, 1), 0);
    EXPECT_EQ(IndexAfterRemoval(1, 1), -1);
    EXPECT_EQ(IndexAfterRemoval(2, 1), 1);
    EXPECT_EQ(IndexAfterRemoval(7, 0), 6);
}

TEST(HoldsForeignContent, BytesWithoutANoteRecordAreNoBoardOfOurs) {
    EXPECT_TRUE(HoldsForeignContent("a plain text file\r\n", 0));
    EXPECT_TRUE(HoldsForeignContent("a\tb\tc\r\n", 0)) << "an unknown layout";
    EXPECT_FALSE(HoldsForeignContent("a\tb\tc\r\n", 1));
    EXPECT_FALSE(HoldsForeignContent("", 0));
    EXPECT_FALSE(HoldsForeignContent(" \r\n\r\n\t", 0)) << "blank lines hold nothing to lose";
}
