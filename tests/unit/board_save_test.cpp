#include "launcher/model/board_save.h"

#include <gtest/gtest.h>

#include "launcher/model/board_edits.h"

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

TEST(PlanBoardSave, UnreadFilesStayAndTheCommonFileAsABoardTakesEveryNote) {
    const LauncherPaths paths = BuildLauncherPaths("C:\\app\\");
    const std::vector<SaveRecord> records = {{0, "a\r\n"}, {1, "c\r\n"}};
    BoardState board;
    board.currentBoardPath = "C:\\app\\fdir\\work.txt";
    BoardSavePlan plan = PlanBoardSave(records, board, paths);
    ASSERT_EQ(plan.replaced.size(), 2u);
    EXPECT_EQ(plan.replaced[0].path, board.currentBoardPath);
    EXPECT_EQ(plan.replaced[0].text, "a\r\n");
    EXPECT_EQ(plan.replaced[1].path, paths.commonFile);
    EXPECT_EQ(plan.replaced[1].text, "c\r\n");
    EXPECT_TRUE(plan.removed.empty());
    EXPECT_TRUE(plan.writeSettings);

    plan = PlanBoardSave({{1, "c\r\n"}}, board, paths);
    EXPECT_EQ(plan.removed, std::vector<std::string>{board.currentBoardPath});
    EXPECT_FALSE(plan.writeSettings) << "no board was written";

    board.boardUnreadable = true;
    plan = PlanBoardSave(records, board, paths);
    ASSERT_EQ(plan.replaced.size(), 1u);
    EXPECT_EQ(plan.replaced[0].path, paths.commonFile);
    EXPECT_FALSE(plan.writeSettings);

    board.boardUnreadable = false;
    board.commonUnreadable = true;
    plan = PlanBoardSave({}, board, paths);
    EXPECT_EQ(plan.removed, std::vector<std::string>{board.currentBoardPath});

    board.currentBoardPath = "C:\\APP\\fdir\\Common.txt";
    board.commonUnreadable = false;
    plan = PlanBoardSave(records, board, paths);
    ASSERT_EQ(plan.replaced.size(), 1u);
    EXPECT_EQ(plan.replaced[0].path, board.currentBoardPath);
    EXPECT_EQ(plan.replaced[0].text, "a\r\nc\r\n");
    EXPECT_TRUE(plan.removed.empty());
}

TEST(MovingANote, OnlyOntoABoardWhoseNotesAreSafe) {
    const LauncherPaths paths = BuildLauncherPaths("C:\\app\\");
    EXPECT_TRUE(MoveUndoneBySave("c:\\APP\\fdir\\w.txt", "C:\\app\\fdir\\W.txt", paths));
    EXPECT_TRUE(MoveUndoneBySave(paths.commonFile, "C:\\app\\fdir\\w.txt", paths));
    EXPECT_FALSE(MoveUndoneBySave("C:\\app\\fdir\\x.txt", "C:\\app\\fdir\\w.txt", paths));
    EXPECT_TRUE(IsPlainBoardName("w.txt"));
    EXPECT_FALSE(IsPlainBoardName("D:\\w.txt"));

    EXPECT_TRUE(BoardTakesMovedNote(std::nullopt, false)) << "not there: starts empty";
    EXPECT_FALSE(BoardTakesMovedNote(std::nullopt, true)) << "held or unreadable";
    EXPECT_TRUE(BoardTakesMovedNote(std::string(), false));
    EXPECT_FALSE(BoardTakesMovedNote(std::string("a plain text file\r\n"), false));
    EXPECT_EQ(BoardWithMovedNote("new\r\n", std::string("old\r\n")), "new\r\nold\r\n");
    EXPECT_EQ(BoardWithMovedNote("new\r\n", std::nullopt), "new\r\n");

    EXPECT_TRUE(MayHoldNotes(true, false));
    EXPECT_FALSE(MayHoldNotes(true, true)) << "a folder";
    EXPECT_FALSE(MayHoldNotes(false, false));
    EXPECT_EQ(DeletedNoteEntry({2026, 1, 2, 3, 4, 5}, "r\r\n"),
              "--- 2026/01/02 03:04:05 ---\r\nr\r\n");
}

TEST(DecodeNoteFile, ForeignOrUnreadFilesAreNeverReplaced) {
    DecodedNotes read = DecodeNoteFile(std::string_view("a\r\n"), false, NoteDefaults{});
    EXPECT_TRUE(read.notes.empty());
    EXPECT_TRUE(read.unreadable) << "a text file of some other kind";
    EXPECT_TRUE(DecodeNoteFile(std::nullopt, true, NoteDefaults{}).unreadable);
    EXPECT_FALSE(DecodeNoteFile(std::nullopt, false, NoteDefaults{}).unreadable) << "missing";
    EXPECT_FALSE(DecodeNoteFile(std::string_view(""), true, NoteDefaults{}).unreadable);
}
