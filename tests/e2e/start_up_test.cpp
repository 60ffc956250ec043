// Starting Marnelo: which board a start opens, what a first start shows, and the question when
// a board cannot be read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/ui.h"
#include "harness/wait.h"

using testing::ElementsAre;

namespace {

Note NoteAt(const std::string& text, int x, int y) {
    Note note;
    note.text = text;
    note.x = x;
    note.y = y;
    return note;
}

std::vector<std::string> TextsOf(const std::vector<NoteView>& views) {
    std::vector<std::string> texts;
    for (const NoteView& v : views) texts.push_back(v.text);
    return texts;
}

}  // namespace

TEST(StartUp, FirstStartMakesFoldersAndTheDefaultNote) {
    Install inst = Install::Fresh();
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    NoteView note = app.Notes()[0];
    EXPECT_EQ(note.text, "付箋です。");
    EXPECT_EQ(note.width(), 90);
    EXPECT_EQ(note.height(), 50);
    EXPECT_EQ(note.alpha, 255);
    EXPECT_TRUE(note.exStyle & WS_EX_TOOLWINDOW) << "a note stays out of the task bar";
    EXPECT_FALSE(note.topmost);
    EXPECT_TRUE(note.rounded);
    EXPECT_TRUE(ShowsColourAt(note.rect.left + 80, note.rect.top + 40, RGB(255, 255, 255)));
    EXPECT_TRUE(inst.FolderExists("fdir"));
    EXPECT_TRUE(inst.FolderExists("img"));
    EXPECT_TRUE(inst.FolderExists("fdir\\old"));
    // Made once the tray icon is there, which may be after the notes show.
    EXPECT_TRUE(WaitFor([&] { return inst.FolderExists("marnelolog"); }));
}

TEST(StartUp, MinimisedStartWithoutArgumentStillOpensTheDefaultBoard) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {NoteAt("既定", 10, 10)});
    Marnelo app(inst, "", SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_EQ(app.Notes()[0].text, "既定");
}

TEST(StartUp, NamedBoardIsReadFromTheDataFolderWithoutMakingFolders) {
    Install inst = Install::Fresh()
                       .WithBoard("work.txt", {NoteAt("仕事", 100, 40), NoteAt("二枚目", 300, 40)})
                       .WithBoard("marnelo.txt", {NoteAt("既定", 10, 10)});
    Marnelo app(inst, "work.txt");
    ASSERT_TRUE(app.WaitForNotes(2));
    EXPECT_THAT(TextsOf(app.Notes()), ElementsAre("仕事", "二枚目"));
    EXPECT_FALSE(inst.FolderExists("img"));
    EXPECT_FALSE(inst.FolderExists("fdir\\old"));
}

TEST(StartUp, QuotedFullPathIsTheBoard) {
    Install inst = Install::Fresh();
    inst.WithFile("memo dir\\a.txt", RecordOf(NoteAt("外の板", 50, 60)));
    Marnelo app(inst, "\"" + inst.PathOf("memo dir\\a.txt") + "\"");
    ASSERT_TRUE(app.WaitForNotes(1));
    NoteView note = app.Notes()[0];
    EXPECT_EQ(note.text, "外の板");
    EXPECT_EQ(note.rect.left, 50);
    EXPECT_EQ(note.rect.top, 60);
}

TEST(StartUp, EndWithoutRunningCopyIsABoardNamedEnd) {
    Install inst = Install::Fresh().WithBoard("end", {NoteAt("endという板", 0, 0)});
    Marnelo app(inst, "end");
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_EQ(app.Notes()[0].text, "endという板");
}

TEST(StartUp, ClipbAndExecWithoutRunningCopyAreRefused) {
    struct Case {
        const char* argument;
        const char* message;
    };
    for (Case c : {Case{"clipb", "起動後にclipを実行して下さい"},
                   Case{"exec", "起動後にexeを実行して下さい"}}) {
        Install inst = Install::Fresh();
        Marnelo app(inst, c.argument);
        HWND box = WaitForMessageBox(app.Id(), "メッセージ");
        ASSERT_NE(box, nullptr) << c.argument;
        EXPECT_EQ(MessageBoxText(box), c.message);
        EXPECT_TRUE(app.NoteWindows().empty());
        PressButton(box, IDOK);
        EXPECT_EQ(app.WaitForExit(), 0);
        EXPECT_FALSE(inst.FolderExists("fdir")) << "nothing else is started";
    }
}

TEST(StartUp, CommonNotesFollowTheBoardsOwn) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {NoteAt("自分", 10, 10)});
    Note common = NoteAt("共通", 200, 10);
    common.common = 1;
    inst.WithBoard("common.txt", {common});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    EXPECT_THAT(TextsOf(app.Notes()), ElementsAre("自分", "共通"));
}

TEST(StartUp, SettingsGiveTheDefaultNoteItsOpacity) {
    Install inst = Install::Fresh().WithSettings("[window]\r\ntrans=60\r\nfont=20\r\n");
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_EQ(app.Notes()[0].alpha, 153);
}

TEST(StartUp, UnreadableBoardAsksAndReadsAgainOnYes) {
    Install inst = Install::Fresh().WithBoard(
        "marnelo.txt", {NoteAt("一", 10, 10), NoteAt("二", 120, 10), NoteAt("三", 230, 10)});
    HeldFile held(inst.PathOf("fdir\\marnelo.txt"));
    ASSERT_TRUE(held.Held());
    Marnelo app(inst);
    HWND box = WaitForMessageBox(app.Id(), "メッセージ");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "ファイルの読み込みに失敗しました。再読み込みしますか？");
    EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
    held.Release();
    PressButton(box, IDYES);
    ASSERT_TRUE(app.WaitForNotes(3));
    EXPECT_THAT(TextsOf(app.Notes()), ElementsAre("一", "二", "三"));
}

TEST(StartUp, UnreadableBoardDeclinedShowsOnlyTheCommonNotes) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {NoteAt("一", 10, 10)});
    Note common = NoteAt("共通", 300, 10);
    common.common = 1;
    inst.WithBoard("common.txt", {common});
    HeldFile held(inst.PathOf("fdir\\marnelo.txt"));
    Marnelo app(inst);
    HWND box = WaitForMessageBox(app.Id(), "メッセージ");
    ASSERT_NE(box, nullptr);
    PressButton(box, IDNO);
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_EQ(app.Notes()[0].text, "共通");
    EXPECT_TRUE(app.Running());
}

TEST(StartUp, MissingBoardShowsTheCommonNotesBesideTheDefaultNote) {
    Note common = NoteAt("共通", 300, 10);
    common.common = 1;
    Install inst = Install::Fresh().WithBoard("common.txt", {common});
    Marnelo app(inst, "new.txt");
    ASSERT_TRUE(app.WaitForNotes(2));
    EXPECT_THAT(TextsOf(app.Notes()), ElementsAre("付箋です。", "共通"));
}

TEST(StartUp, HeldCommonFileIsLeftOutWithoutAQuestion) {
    Note common = NoteAt("共通", 300, 10);
    common.common = 1;
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {NoteAt("自分", 10, 10)})
                       .WithBoard("common.txt", {common});
    HeldFile held(inst.PathOf("fdir\\common.txt"));
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_EQ(app.Notes()[0].text, "自分");
    EXPECT_EQ(WaitForMessageBox(app.Id(), "メッセージ", 300), nullptr);
    held.Release();
    EXPECT_EQ(app.End(), 0);
    EXPECT_EQ(inst.Board("fdir\\common.txt").size(), 1u);
}

TEST(StartUp, UnreadableBoardOfEightBytesIsNoLoss) {
    Install inst = Install::Fresh().WithFile("fdir\\marnelo.txt", "12345678");
    HeldFile held(inst.PathOf("fdir\\marnelo.txt"));
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_EQ(app.Notes()[0].text, "付箋です。");
    EXPECT_EQ(WaitForMessageBox(app.Id(), "メッセージ", 300), nullptr);
}

TEST(StartUp, UnreadableOutsideListAsksToo) {
    Install inst = Install::Fresh().WithFile("filelist.txt", "C:\\somewhere\\board.txt\n");
    HeldFile held(inst.PathOf("filelist.txt"));
    Marnelo app(inst);
    HWND box = WaitForMessageBox(app.Id(), "メッセージ");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "ファイルの読み込みに失敗しました。再読み込みしますか？");
    PressButton(box, IDNO);
    ASSERT_TRUE(app.WaitForNotes(1)) << "the board itself was read";
}

TEST(StartUp, UnquotedBoardNameBeginningWithADoubleByteCharacterArrivesWhole) {
    Install inst = Install::Fresh().WithBoard("仕事.txt", {NoteAt("漢字の板", 100, 40)});
    Marnelo app(inst, "仕事.txt");
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_EQ(app.Notes()[0].text, "漢字の板");
}
