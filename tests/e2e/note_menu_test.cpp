// The note menu of a right click: its items, copying, new notes, deleting a note into the
// deleted-notes file and moving a note to another board.
#include <gmock/gmock.h>
#include <algorithm>
#include <gtest/gtest.h>

#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/menus.h"
#include "harness/ui.h"
#include "harness/wait.h"

using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

constexpr int kCopy = 0, kNewNote = 3, kDelete = 2, kMoveTo = 5;

}  // namespace

TEST(NoteMenu, ItemsFromTheTopAndEveryOtherBoardUnderMove) {
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("メモ", 100, 400)})
                       .WithBoard("work.txt", {BoardNote("仕事", 10, 10)})
                       .WithBoard("zeta.txt", {BoardNote("Z", 10, 10)})
                       .WithFile("fdir\\zeta.txt.tmp~", "left by a save that was cut off");
    std::string outside = inst.PathOf("outside\\memo.txt");
    inst.WithFile("outside\\memo.txt", RecordOf(BoardNote("外", 10, 10)))
        .WithFile("filelist.txt", outside + "\n");
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_TRUE(OpenNoteMenu(app, app.Notes()[0]));
    std::vector<ShownMenuItem> items = ShownMenu(app.Id());
    TypeKey(VK_ESCAPE);

    EXPECT_THAT(MenuTexts(items), ElementsAre("C.クリップボードにコピー", "E.実行", "D.付箋を削除",
                                              "N.新しい付箋", "T.編集", "移動"));
    std::vector<std::pair<unsigned, std::string>> boards;
    for (const ShownMenuItem& item : items)
        if (item.depth == 1) boards.emplace_back(item.command, item.text);
    // Inserted at the top one after the other: the outside board, numbered last, comes first.
    ASSERT_EQ(boards.size(), 3u);
    EXPECT_EQ(boards[0].second, outside);
    EXPECT_EQ(boards[0].first, 13u) << "the current board uses up a number of its own";
    std::vector<std::string> names = {boards[1].second, boards[2].second};
    EXPECT_THAT(names, testing::UnorderedElementsAre("work.txt", "zeta.txt"));
    EXPECT_GT(boards[1].first, boards[2].first);
    EXPECT_GE(boards[2].first, 10u);
}

TEST(NoteMenu, CopyPutsTheWholeTextOnTheClipboardAndNewNoteMakesANoteOfIt) {
    std::string longText(600, 'x');
    longText += "終わり";
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote(longText, 100, 400)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    SetClipboardText("前");
    ASSERT_TRUE(OpenNoteMenu(app, app.Notes()[0]));
    ChooseMenuPosition(kCopy);
    EXPECT_TRUE(WaitFor([&] { return ClipboardText() == longText; }, 3000));

    ASSERT_TRUE(OpenNoteMenu(app, app.Notes()[0]));
    ChooseMenuPosition(kNewNote);
    ASSERT_TRUE(app.WaitForNotes(2));
    ASSERT_EQ(app.End(), 0);
    // A new note shows the clipboard text: here the text just copied.
    EXPECT_THAT(inst.BoardTexts("fdir\\marnelo.txt"), ElementsAre(longText, longText));
}

TEST(NoteMenu, DeleteKeepsTheNoteInTheOldFolderAndTheOthersWhole) {
    Note first = BoardNote("一番目", 100, 400), second = BoardNote("二番目", 300, 400),
         third = BoardNote("三番目", 500, 400);
    third.backColor = 3;
    third.textRed = 10, third.textGreen = 20, third.textBlue = 30;
    third.width = 150;
    third.height = 80;
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {first, second, third});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(3));
    ASSERT_TRUE(OpenNoteMenu(app, app.Notes()[1]));
    ChooseMenuPosition(kDelete);
    ASSERT_TRUE(WaitFor([&] { return app.NoteWindows().size() == 2; }, 3000));

    std::string old = inst.Read("fdir\\old\\marnelo.txt");
    EXPECT_THAT(old, StartsWith("--- "));
    EXPECT_THAT(old, HasSubstr(" ---\r\n" + RecordOf(second)));
    EXPECT_EQ(inst.Board("fdir\\marnelo.txt").size(), 3u) << "the board waits for the next save";

    ASSERT_EQ(app.End(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(RecordOf(saved[0]), RecordOf(first));
    EXPECT_EQ(RecordOf(saved[1]), RecordOf(third));
}

TEST(NoteMenu, MoveToAnExistingBoardPutsTheNoteFirstThere) {
    Install inst =
        Install::Fresh()
            .WithBoard("marnelo.txt", {BoardNote("残る", 100, 400), BoardNote("移る", 300, 400)})
            .WithBoard("work.txt", {BoardNote("仕事", 10, 10)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    ASSERT_TRUE(OpenNoteMenu(app, app.Notes()[1]));
    ChooseSubmenuPosition(kMoveTo, 0);  // the only other board
    ASSERT_TRUE(WaitFor([&] { return app.NoteWindows().size() == 1; }, 3000));
    EXPECT_THAT(inst.BoardTexts("fdir\\work.txt"), ElementsAre("移る", "仕事"));
    EXPECT_THAT(inst.Read("fdir\\old\\marnelo.txt"), HasSubstr("移る"));
    ASSERT_EQ(app.End(), 0);
    EXPECT_THAT(inst.BoardTexts("fdir\\marnelo.txt"), ElementsAre("残る"));
}

TEST(NoteMenu, MovingTheOnlyNoteToANewBoardEndsTheProgramWithEverythingSaved) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("最後", 100, 400)});
    std::string fresh = inst.PathOf("elsewhere\\new.txt");
    inst.WithFile("elsewhere\\keep.txt", "").WithFile("filelist.txt", fresh + "\r\n");
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_TRUE(OpenNoteMenu(app, app.Notes()[0]));
    ChooseSubmenuPosition(kMoveTo, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
    std::vector<Note> moved = inst.Board("elsewhere\\new.txt");
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(RecordOf(moved[0]), RecordOf(BoardNote("最後", 100, 400)));
    EXPECT_FALSE(inst.Exists("fdir\\marnelo.txt")) << "a board without notes has no file";
    EXPECT_EQ(inst.Read("filelist.txt"), fresh + "\n");
}

TEST(NoteMenu, MoveToTheCommonFileIsRefused) {
    Note common = BoardNote("共通", 500, 400);
    common.common = 1;
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("ここに", 100, 400)})
                       .WithBoard("common.txt", {common})
                       .WithBoard("work.txt", {BoardNote("仕事", 10, 10)});
    std::string board = inst.Read("fdir\\marnelo.txt"), commonText = inst.Read("fdir\\common.txt");
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    ASSERT_TRUE(OpenNoteMenu(app, app.Notes()[0]));
    std::vector<std::string> boards = MenuTexts(ShownMenu(app.Id()), "移動");
    auto at = std::find(boards.begin(), boards.end(), "common.txt");
    ASSERT_NE(at, boards.end());
    ChooseSubmenuPosition(kMoveTo, static_cast<int>(at - boards.begin()));
    Settle(2500);
    EXPECT_EQ(app.NoteWindows().size(), 2u) << "the note stays";
    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.Read("fdir\\marnelo.txt"), board);
    EXPECT_EQ(inst.Read("fdir\\common.txt"), commonText);
}
