// Saving at close: which files the board's notes and the common notes go to, the settings and
// the daily backup start that follow the board file, and files that must stay untouched.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "common/date_stamp.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/menus.h"
#include "harness/ui.h"
#include "harness/wait.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

Note CommonNoteAt(const std::string& text, int x, int y) {
    Note note = BoardNote(text, x, y);
    note.common = 1;
    return note;
}

int LinesOf(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

// A record of the oldest layout: a save rewrites it in the current one.
std::string OldLayoutRecord(const std::string& text, int x, int y) {
    return RecordLine({text, "", std::to_string(x), std::to_string(y), "60", "120", "", "14", "100",
                       "0", "11", "0"});
}

// Thirty notes that between them use every field with values other than the defaults.
std::vector<Note> EveryFieldBoard() {
    std::vector<Note> board;
    for (int i = 0; i < 30; ++i) {
        Note n = BoardNote("付箋" + std::to_string(i), 20 + (i % 6) * 250, 20 + (i / 6) * 200);
        n.width = 100 + i;
        n.height = 40 + i;
        n.fontSize = 10 + i % 9;
        n.transparency = 40 + i;
        n.backColor = i % 18;
        n.textColor = (i * 5) % 18;
        n.runType = i % 3;
        n.align = i % 3;
        n.spare = i % 2;
        n.miniWidth = 30 + i;
        n.miniHeight = 15 + i;
        if (i % 5 == 0) n.text += "\r\n二行目\r\n三行目";
        if (i % 4 == 1) n.command = "notepad.exe\r\ncalc.exe";
        if (i % 4 == 2) n.command = "\"C:\\Program Files\\表\\a.exe\" -x";
        if (i % 7 == 3) n.mediaPath = "C:\\画像\\" + std::to_string(i) + ".png";
        if (i % 6 == 4) n.mini = 1;
        if (i % 8 == 5) n.topmost = 1;
        if (i % 9 == 6) n.borderless = 1;
        if (i % 3 == 1) n.fontFace = "ＭＳ ゴシック";
        if (i % 4 == 3) n.textRed = 10 + i, n.textGreen = 20, n.textBlue = 250 - i;
        if (i % 5 == 2) n.backRed = 200, n.backGreen = i, n.backBlue = 100;
        board.push_back(n);
    }
    return board;
}

}  // namespace

TEST(BoardSave, UnchangedBoardOfEveryFieldIsWrittenBackByteForByte) {
    std::vector<Note> board = EveryFieldBoard();
    std::string text;
    for (const Note& n : board) text += RecordOf(n);
    Install inst = Install::Fresh().WithFile("fdir\\marnelo.txt", text);
    MovePointerTo(1590, 1190);  // away from every note, so none expands or raises
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(30));
    DeleteFileA(inst.PathOf("fdir\\marnelo.txt").c_str());  // what is compared is what was saved
    ASSERT_EQ(app.End(), 0);
    std::string saved = inst.Read("fdir\\marnelo.txt");
    EXPECT_EQ(saved.size(), text.size());
    EXPECT_TRUE(saved == text) << saved;
}

TEST(BoardSave, BoardOfOnlyCommonNotesLeavesJustTheCommonFileAndNoSettings) {
    Install inst =
        Install::Fresh().WithBoard("marnelo.txt", {CommonNoteAt("共通になる", 100, 100)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_EQ(app.End(), 0);
    EXPECT_FALSE(inst.Exists("fdir\\marnelo.txt"));
    EXPECT_THAT(inst.Board("fdir\\common.txt"), testing::SizeIs(1));
    EXPECT_FALSE(inst.Exists("Marnelo.ini")) << "settings follow only a written board file";
    EXPECT_FALSE(inst.Exists("snapkeep.log"));
}

TEST(BoardSave, BoardWithoutAnyNoteRemovesBothFiles) {
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("消す", 100, 400)})
                       .WithBoard("common.txt", {CommonNoteAt("これも", 300, 400)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    for (int left = 2; left > 0; --left) {
        MovePointerTo(1590, 1190);
        std::vector<NoteView> views = app.Notes();
        MovePointerTo(views[0].rect.left + 20, views[0].rect.top + 20);
        Settle(100);
        PressRightButton();
        ReleaseRightButton();
        ASSERT_TRUE(WaitForShownMenu(app.Id()));
        ChooseMenuPosition(2);  // "D.付箋を削除"
        ASSERT_TRUE(WaitFor([&] { return app.NoteWindows().size() == left - 1u; }, 3000));
    }
    ASSERT_EQ(app.Close(), 0);
    EXPECT_FALSE(inst.Exists("fdir\\marnelo.txt"));
    EXPECT_FALSE(inst.Exists("fdir\\common.txt"));
    EXPECT_EQ(LinesOf(inst.Read("fdir\\old\\marnelo.txt")), 4) << "two headers, two records";
}

TEST(BoardSave, SettingsFollowEveryBoardSaveAndTheBackupStartsOnceADay) {
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("一枚目の板", 100, 100)})
                       .WithBoard("work.txt", {BoardNote("二枚目の板", 100, 100)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_EQ(RunSecondCopy(inst, "work.txt"), 0);  // the switch saves the first board
    ASSERT_TRUE(WaitFor([&] { return inst.Exists("Marnelo.ini"); }, 5000));
    std::string ini = inst.Read("Marnelo.ini");
    for (const char* line : {"[window2]", "height=15", "width=7", "[window]", "font=14",
                             "trans=100", "time=150", "DefaultX=40", "DefaultY=20", "[etc]",
                             "cmbstate2=0", "cmbstate3=0", "cmbstate3_6=0", "[img]", "kakucho2="})
        EXPECT_THAT(ini, HasSubstr(line));
    EXPECT_THAT(ini, HasSubstr("backup=" + DateStamp(LocalNow())));
    ASSERT_TRUE(WaitFor([&] { return LinesOf(inst.Read("snapkeep.log")) == 1; }, 5000));

    DeleteFileA(inst.PathOf("Marnelo.ini").c_str());
    ASSERT_EQ(app.End(), 0);
    ini = inst.Read("Marnelo.ini");
    EXPECT_THAT(ini, HasSubstr("kakucho2=")) << "the second board's save wrote the settings again";
    EXPECT_THAT(ini, testing::Not(HasSubstr("backup="))) << "the day's backup had started";
    Settle(500);
    EXPECT_EQ(LinesOf(inst.Read("snapkeep.log")), 1) << "once a day however often it saves";
}

TEST(BoardSave, ShutdownQuestionSavesAndTheLaterCloseDoesNotWriteAgain) {
    Install inst =
        Install::Fresh().WithFile("fdir\\marnelo.txt", OldLayoutRecord("古い", 100, 100));
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    SendMessageA(app.MainWindow(), WM_QUERYENDSESSION, 0, 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(inst.Read("fdir\\marnelo.txt"), RecordOf(saved[0])) << "rewritten in full layout";

    DeleteFileA(inst.PathOf("fdir\\marnelo.txt").c_str());
    ASSERT_EQ(app.End(), 0);
    EXPECT_FALSE(inst.Exists("fdir\\marnelo.txt")) << "saved once already";
}

TEST(BoardSave, BoardHeldAtStartUpAndDeclinedIsNeverOverwritten) {
    std::string text = RecordOf(BoardNote("守る", 100, 100)) + RecordOf(BoardNote("二", 300, 100));
    Install inst = Install::Fresh().WithFile("fdir\\marnelo.txt", text);
    HeldFile held(inst.PathOf("fdir\\marnelo.txt"));
    Marnelo app(inst);
    HWND box = WaitForMessageBox(app.Id(), "メッセージ");
    ASSERT_NE(box, nullptr);
    PressButton(box, IDNO);
    ASSERT_TRUE(app.WaitForMainWindow());
    held.Release();
    ASSERT_EQ(app.Close(), 0);
    EXPECT_TRUE(inst.Read("fdir\\marnelo.txt") == text);
}

TEST(BoardSave, AltF4OnANoteSavesAndEndsTheProgram) {
    Install inst = Install::Fresh().WithFile(
        "fdir\\marnelo.txt", OldLayoutRecord("一", 100, 400) + OldLayoutRecord("二", 300, 400));
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    std::vector<NoteView> views = app.Notes();
    MovePointerTo(views[1].rect.left + 20, views[1].rect.top + 20);
    PressRightButton();  // a right click makes the note the foreground window
    ReleaseRightButton();
    ASSERT_TRUE(WaitForShownMenu(app.Id()));
    TypeKey(VK_ESCAPE);
    Settle();
    PressKey(VK_MENU);
    TypeKey(VK_F4);
    ReleaseKey(VK_MENU);
    EXPECT_EQ(app.WaitForExit(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 2u) << "both notes, the closed one's too";
    EXPECT_EQ(inst.Read("fdir\\marnelo.txt"), RecordOf(saved[0]) + RecordOf(saved[1]));
}

TEST(BoardSave, CalledOffShutdownLetsTheNextCloseSaveAgain) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("続く", 100, 100)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    SendMessageA(app.MainWindow(), WM_QUERYENDSESSION, 0, 0);
    SendMessageA(app.MainWindow(), WM_ENDSESSION, FALSE, 0);
    DeleteFileA(inst.PathOf("fdir\\marnelo.txt").c_str());
    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.Board("fdir\\marnelo.txt").size(), 1u);
}

TEST(BoardSave, EndingSessionSavesOnce) {
    Install inst = Install::Fresh().WithFile("fdir\\marnelo.txt", OldLayoutRecord("終", 100, 100));
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    SendMessageA(app.MainWindow(), WM_ENDSESSION, TRUE, 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(inst.Read("fdir\\marnelo.txt"), RecordOf(saved[0]));
}

TEST(BoardSave, NoteWithAnOddCommonFlagStaysOnTheBoard) {
    Note odd = BoardNote("別の版", 100, 100);
    odd.common = 2;
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {odd});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.Read("fdir\\marnelo.txt"), RecordOf(odd));
    EXPECT_FALSE(inst.Exists("fdir\\common.txt"));
}

TEST(BoardSave, CommonFileOpenedAsABoardKeepsEveryNoteOnce) {
    std::string text =
        RecordOf(CommonNoteAt("共一", 100, 100)) + RecordOf(CommonNoteAt("共二", 300, 100));
    Install inst = Install::Fresh().WithFile("fdir\\common.txt", text);
    Marnelo app(inst, "COMMON.TXT");
    ASSERT_TRUE(app.WaitForNotes(2));
    Settle();
    EXPECT_EQ(app.NoteWindows().size(), 2u);
    ASSERT_EQ(app.End(), 0);
    EXPECT_TRUE(inst.Read("fdir\\common.txt") == text);
}

TEST(BoardSave, HeldCommonFileOpenedAsABoardAndDeclinedIsKept) {
    std::string text =
        RecordOf(CommonNoteAt("共", 100, 100)) + RecordOf(CommonNoteAt("二", 300, 100));
    Install inst = Install::Fresh().WithFile("fdir\\common.txt", text);
    HeldFile held(inst.PathOf("fdir\\common.txt"));
    Marnelo app(inst, "common.txt");
    HWND box = WaitForMessageBox(app.Id(), "メッセージ");
    ASSERT_NE(box, nullptr);
    PressButton(box, IDNO);
    ASSERT_TRUE(app.WaitForMainWindow());
    held.Release();
    ASSERT_EQ(app.Close(), 0);
    EXPECT_TRUE(inst.Read("fdir\\common.txt") == text);
}
