// A second start with a board: the running copy saves its board and shows the other one, and
// remembers boards outside the data folder in "filelist.txt".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/ui.h"
#include "harness/wait.h"

using testing::ElementsAre;

namespace {

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

TEST(BoardSwitch, SecondStartSavesTheBoardAndShowsTheOther) {
    Install inst =
        Install::Fresh()
            .WithBoard("marnelo.txt", {BoardNote("最初", 100, 100)})
            .WithBoard("work.txt", {BoardNote("仕事一", 100, 100), BoardNote("仕事二", 300, 100)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND first = app.NoteWindows()[0];
    SetWindowPos(first, nullptr, 150, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(RunSecondCopy(inst, "work.txt"), 0);
    ASSERT_TRUE(app.WaitForTexts({"仕事一", "仕事二"}));
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].x, 150) << "the board was saved before the switch";
    EXPECT_EQ(saved[0].y, 120);
    ASSERT_EQ(app.End(), 0);
    EXPECT_FALSE(inst.Exists("filelist.txt")) << "a board of the data folder is no outside board";
}

TEST(BoardSwitch, DataFolderPathInOtherLetterCaseIsNoOutsideBoard) {
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("最初", 100, 100)})
                       .WithBoard("work.txt", {BoardNote("仕事", 100, 100)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    std::string path = inst.PathOf("FDIR\\work.txt");
    CharLowerBuffA(path.data(), 3);  // the drive letter too
    ASSERT_EQ(RunSecondCopy(inst, Quoted(path)), 0);
    ASSERT_TRUE(app.WaitForTexts({"仕事"}));
    ASSERT_EQ(app.End(), 0);
    EXPECT_FALSE(inst.Exists("filelist.txt"));
}

TEST(BoardSwitch, OutsideBoardIsRememberedAtCloseAndAGoneOneIsDropped) {
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("最初", 100, 100)})
                       .WithFile("memo\\outside.txt", RecordOf(BoardNote("外の板", 100, 100)))
                       .WithFile("memo\\gone.txt", RecordOf(BoardNote("消える板", 100, 100)));
    std::string outside = inst.PathOf("memo\\outside.txt");
    std::string gone = inst.PathOf("memo\\gone.txt");
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_EQ(RunSecondCopy(inst, Quoted(gone)), 0);
    ASSERT_TRUE(app.WaitForTexts({"消える板"}));
    ASSERT_EQ(RunSecondCopy(inst, Quoted(outside)), 0);
    ASSERT_TRUE(app.WaitForTexts({"外の板"}));
    ASSERT_TRUE(WaitFor([&] { return inst.Board("memo\\gone.txt").size() == 1; }));
    DeleteFileA(gone.c_str());
    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.Read("filelist.txt"), outside + "\n");
    EXPECT_EQ(inst.Board("memo\\outside.txt").size(), 1u);
}

TEST(BoardSwitch, BoardThatCannotBeReadShowsADefaultNoteAndIsLeftAlone) {
    Note common = BoardNote("共通", 400, 100);
    common.common = 1;
    std::string held = RecordOf(BoardNote("読めない", 100, 100));
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("最初", 100, 100)})
                       .WithBoard("common.txt", {common})
                       .WithFile("fdir\\held.txt", held);
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    HeldFile hold(inst.PathOf("fdir\\held.txt"));
    ASSERT_EQ(RunSecondCopy(inst, "held.txt"), 0);
    ASSERT_TRUE(app.WaitForTexts({"付箋です。", "共通"}));
    hold.Release();
    ASSERT_EQ(app.End(), 0);
    EXPECT_TRUE(inst.Read("fdir\\held.txt") == held);
    EXPECT_EQ(inst.Board("fdir\\common.txt").size(), 1u);
}

TEST(BoardSwitch, RelativeBoardPathIsRememberedInFull) {
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("最初", 100, 100)})
                       .WithFile("notes\\a.txt", RecordOf(BoardNote("相対", 100, 100)));
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    // The second copy starts in the install folder, where the relative path means something.
    ASSERT_EQ(RunSecondCopy(inst, "notes\\a.txt"), 0);
    ASSERT_TRUE(app.WaitForTexts({"相対"}));
    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.Read("filelist.txt"), inst.PathOf("notes\\a.txt") + "\n");
}
