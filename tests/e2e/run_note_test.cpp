// A quick click runs a note: programs through the shell with the aliases of "cmd.txt" and the
// day's run log, the menu of a command's lines, the clipboard run types, the internal commands
// and board switches through a second copy of the program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/date_stamp.h"
#include "common/text_lines.h"
#include "harness/click.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/menus.h"
#include "harness/ui.h"
#include "harness/wait.h"

using testing::ElementsAre;

namespace {

// A click counts as quick up to a second here: on a busy machine the system's move loop may
// take longer than the usual 150 ms to hand the release back, and the tests are about what a
// click runs, not about its timing.
Install FreshInstall(const std::string& subfolder = "") {
    return Install::Fresh(subfolder).WithSettings("[window]\r\ntime=1000\r\n");
}

Note CommandNote(const std::string& text, int x, int y, const std::string& command,
                 int runType = 0) {
    Note note = BoardNote(text, x, y);
    note.command = command;
    note.runType = runType;
    return note;
}

// The note showing `text`; the test fails at the first use of an empty view otherwise.
NoteView NoteShowing(const Marnelo& app, const std::string& text) {
    for (const NoteView& view : app.Notes())
        if (view.text == text) return view;
    ADD_FAILURE() << "no note shows " << text;
    return {};
}

// Each start of the recorder adds one line with the arguments it was given.
std::vector<std::string> Recorded(const Install& inst, const std::string& file = "recorder.txt") {
    return SplitLines(inst.Read(file));
}

bool WaitForRecorded(const Install& inst, std::size_t lines,
                     const std::string& file = "recorder.txt") {
    return WaitFor([&] { return Recorded(inst, file).size() >= lines; }, 8000);
}

Outcome Records(const Install& inst, std::size_t lines, const std::string& file = "recorder.txt") {
    return When(file + " holds " + std::to_string(lines) + " lines",
                [&inst, lines, file] { return Recorded(inst, file).size() >= lines; });
}

// The file's last write time as text, "" while it cannot be read.
std::string WrittenAt(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return "";
    return std::to_string(data.ftLastWriteTime.dwHighDateTime) + ":" +
           std::to_string(data.ftLastWriteTime.dwLowDateTime);
}

std::string TodaysRunLog(const Install& inst) {
    return inst.Read("marnelolog\\" + DateStamp(LocalNow()) + ".log");
}

}  // namespace

TEST(RunNote, AliasWordAndPathStartTheAliasProgramWithThePathFirstAndAreLogged) {
    Install inst = FreshInstall();
    std::string recorder = inst.PathOf("recorder.exe"), document = inst.PathOf("資料.txt");
    inst.WithFile("cmd.txt", "rec " + recorder + " --from-alias\r\nrec other.exe\r\n")
        .WithBoard("marnelo.txt", {CommandNote("記録", 200, 400, "rec " + document)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_NE(ClickNote(app.Notes()[0], Records(inst, 1)), "");
    EXPECT_THAT(Recorded(inst), ElementsAre(document + " --from-alias"));
    EXPECT_TRUE(WaitFor([&] { return !TodaysRunLog(inst).empty(); }, 3000));
    EXPECT_EQ(TodaysRunLog(inst), recorder + " " + document + " --from-alias\n");

    // A second run appends to the day's log.
    ASSERT_NE(ClickNote(app.Notes()[0], Records(inst, 2)), "");
    EXPECT_TRUE(WaitFor([&] { return SplitLines(TodaysRunLog(inst)).size() == 2; }, 3000));
    ASSERT_EQ(app.End(), 0);
}

TEST(RunNote, QuotedProgramPathWithSpacesIsTheProgram) {
    Install inst = FreshInstall().WithCopyOf("recorder.exe", "my tools\\recorder.exe");
    std::string command = "\"" + inst.PathOf("my tools\\recorder.exe") + "\" 引数 two";
    inst.WithBoard("marnelo.txt", {CommandNote("空白", 200, 400, command)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_NE(ClickNote(app.Notes()[0], Records(inst, 1, "my tools\\recorder.txt")), "");
    EXPECT_THAT(Recorded(inst, "my tools\\recorder.txt"), ElementsAre("引数 two"));
    EXPECT_TRUE(WaitFor([&] { return TodaysRunLog(inst) == command + "\n"; }, 3000))
        << TodaysRunLog(inst);
    ASSERT_EQ(app.End(), 0);
}

TEST(RunNote, ThreeLinesShowAMenuLastLineFirstAndRunOnlyTheChosenOne) {
    Install inst = FreshInstall();
    std::string rec = inst.PathOf("recorder.exe");
    std::string command = rec + " one\r\n" + rec + " two\r\n\r\n" + rec + " three";
    inst.WithBoard("marnelo.txt", {CommandNote("三行", 300, 500, command)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_NE(ClickNote(app.Notes()[0], MenuShows(app)), "");
    EXPECT_THAT(MenuTexts(ShownMenu(app.Id())),
                ElementsAre(rec + " three", rec + " two", rec + " one"));
    ChooseMenuPosition(1);
    ASSERT_TRUE(WaitForRecorded(inst, 1));
    Settle(500);
    EXPECT_THAT(Recorded(inst), ElementsAre("two"));
    ASSERT_EQ(app.End(), 0);
}

TEST(RunNote, ClipboardRunTypesCopyTheCommandOrTheChosenLine) {
    Install inst = FreshInstall().WithBoard(
        "marnelo.txt", {CommandNote("写す", 200, 500, "コピーされる\r\n二行目", 1),
                        CommandNote("選ぶ", 400, 500, "一\r\n二\r\n三", 2)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    SetClipboardText("前");
    EXPECT_NE(ClickNote(NoteShowing(app, "写す"),
                        When("copied", [] { return ClipboardText() == "コピーされる\r\n二行目"; })),
              "")
        << "the command, not the text, and all of it";

    ASSERT_NE(ClickNote(NoteShowing(app, "選ぶ"), MenuShows(app)), "");
    EXPECT_THAT(MenuTexts(ShownMenu(app.Id())), ElementsAre("三", "二", "一"));
    // Another program holds the clipboard open for a moment when the line is chosen.
    ASSERT_TRUE(OpenClipboard(nullptr));
    ChooseMenuPosition(0);
    Sleep(80);
    CloseClipboard();
    EXPECT_TRUE(WaitFor([] { return ClipboardText() == "三"; }, 3000)) << ClipboardText();
    ASSERT_EQ(app.End(), 0);
}

TEST(InternalCommands, NewSaveAndLoad) {
    Install inst = FreshInstall().WithBoard(
        "marnelo.txt", {CommandNote("作る", 200, 500, "new"), CommandNote("保存", 400, 500, "save"),
                        CommandNote("読む", 600, 500, "load")});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(3));
    SetClipboardText("クリップの文");
    ASSERT_NE(ClickNote(NoteShowing(app, "作る"),
                        When("a new note", [&] { return app.NoteWindows().size() == 4; })),
              "");
    EXPECT_EQ(NoteShowing(app, "クリップの文").text, "クリップの文");

    auto savedTexts = [&] { return inst.BoardTexts("fdir\\marnelo.txt"); };
    EXPECT_NE(ClickNote(NoteShowing(app, "保存"),
                        When("saved", [&] { return savedTexts().size() == 4; })),
              "");
    EXPECT_THAT(savedTexts(), ElementsAre("作る", "保存", "読む", "クリップの文"));

    // The file changed behind the program's back: "load" shows it as it is now.
    inst.WithBoard("marnelo.txt", {BoardNote("外から", 200, 500), BoardNote("二つ目", 400, 500)});
    EXPECT_NE(ClickNote(NoteShowing(app, "読む"), Shows(app, {"外から", "二つ目"})), "");
    ASSERT_EQ(app.End(), 0);
}

TEST(InternalCommands, ShowMenuAndEnd) {
    Install inst = FreshInstall().WithBoard(
        "marnelo.txt",
        {CommandNote("前へ", 200, 500, "show"), CommandNote("隠れる", 400, 500, ""),
         CommandNote("メニュー", 600, 500, "menu"), CommandNote("終わる", 800, 500, "end")});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(4));
    HWND hidden = NoteShowing(app, "隠れる").window;
    ShowWindow(hidden, SW_HIDE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(hidden); }, 3000));
    EXPECT_NE(ClickNote(NoteShowing(app, "前へ"),
                        When("shown", [&] { return IsWindowVisible(hidden) != FALSE; })),
              "");

    ASSERT_NE(ClickNote(NoteShowing(app, "メニュー"), MenuShows(app)), "");
    std::vector<std::string> items = MenuTexts(ShownMenu(app.Id()));
    TypeKey(VK_ESCAPE);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.back(), "終了");

    ASSERT_TRUE(WaitFor([&] { return !WaitForShownMenu(app.Id(), 0); }, 3000));
    ASSERT_NE(ClickNote(NoteShowing(app, "終わる"), When("ended", [&] { return !app.Running(); })),
              "");
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(inst.Board("fdir\\marnelo.txt").size(), 4u) << "the board was saved at the end";
}

TEST(InternalCommands, RepaintRedrawsEveryNote) {
    Install inst = FreshInstall().WithBoard(
        "marnelo.txt", {CommandNote("描き直し", 200, 500, "repaint"), BoardNote("白", 400, 500)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    NoteView white = NoteShowing(app, "白");
    int x = white.rect.left + 60, y = white.rect.top + 40;
    ASSERT_TRUE(ShowsColourAt(x, y, RGB(255, 255, 255)));
    // Paint over the note on the screen itself, as a stale picture would look. A paint of the
    // note still under way from its start may wipe the blot: it is painted again until it stays
    // half a second, so that only the click can be what wipes it.
    bool drawn = false, blotStays = false;
    for (int attempt = 0; attempt < 5 && !blotStays; ++attempt) {
        HDC screen = GetDC(nullptr);
        RECT blot = {x - 5, y - 5, x + 5, y + 5};
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(screen, &blot, red);
        DeleteObject(red);
        ReleaseDC(nullptr, screen);
        if (!ShowsColourAt(x, y, RGB(255, 0, 0), 1000)) continue;
        drawn = true;
        Settle(500);
        blotStays = ShowsColourAt(x, y, RGB(255, 0, 0), 0);
    }
    if (!drawn) GTEST_SKIP() << "the screen cannot be drawn on";
    ASSERT_TRUE(blotStays) << "the note keeps painting itself without being asked";
    EXPECT_NE(
        ClickNote(NoteShowing(app, "描き直し"),
                  When("repainted", [&] { return ShowsColourAt(x, y, RGB(255, 255, 255), 0); })),
        "");
    ASSERT_EQ(app.End(), 0);
}

TEST(RunNote, ABoardNameSwitchesToThatBoardAlsoWithSpacesInTheFolderAndTheName) {
    Install inst = FreshInstall("with space")
                       .WithBoard("marnelo.txt", {CommandNote("仕事へ", 200, 500, "仕事 メモ.txt")})
                       .WithBoard("仕事 メモ.txt", {BoardNote("仕事", 400, 500)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_NE(ClickNote(app.Notes()[0], Shows(app, {"仕事"}), 15000), "");
    EXPECT_EQ(inst.Board("fdir\\marnelo.txt").size(), 1u) << "the board left was saved";
    EXPECT_THAT(TodaysRunLog(inst), testing::EndsWith("marnelo.exe\" \"仕事 メモ.txt\"\n"))
        << "the second start is logged";
    ASSERT_EQ(app.End(), 0);
}

bool StepsTo(const Marnelo& app, const std::string& board) {
    return !ClickNote(app.Notes()[0], Shows(app, {board}), 15000).empty();
}

TEST(RunNote, NextAndPrevStepThroughTheBoardsInListOrder) {
    Install inst = FreshInstall();
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        inst.WithBoard(name, {BoardNote(name, 200, 500)});
    std::vector<std::string> order = inst.DataFolderOrder();
    ASSERT_EQ(order.size(), 3u);
    // The first and second boards step back with "next"; the third steps on with "prev". Each
    // note stands apart: a window just closed may linger on the bare test screen a moment.
    inst.WithBoard(order[0], {CommandNote(order[0], 200, 500, "next")})
        .WithBoard(order[1], {CommandNote(order[1], 400, 500, "next")})
        .WithBoard(order[2], {CommandNote(order[2], 600, 500, "prev")});
    Marnelo app(inst, order[1]);
    ASSERT_TRUE(app.WaitForTexts({order[1]}));
    ASSERT_TRUE(StepsTo(app, order[0])) << "next from the second board: the first";
    ASSERT_TRUE(StepsTo(app, order[2])) << "next from the first board: round to the last";
    ASSERT_TRUE(StepsTo(app, order[0])) << "prev from the last board: round to the first";
    ASSERT_EQ(app.End(), 0);
}

TEST(RunNote, ACommandThatDoesNotStartIsTriedWholeLoggedAndReportsNothing) {
    Install inst = FreshInstall().WithCopyOf("recorder.exe", "my tools\\recorder.exe");
    // Unquoted, the path splits at its space: "...\my" does not start, the whole text does.
    std::string command = inst.PathOf("my tools\\recorder.exe");
    inst.WithBoard("marnelo.txt", {CommandNote("空白", 200, 500, command),
                                   CommandNote("無い", 400, 500, "no-such-program-here 引数")});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    EXPECT_NE(ClickNote(NoteShowing(app, "空白"),
                        When("started", [&] { return inst.Exists("my tools\\recorder.txt"); })),
              "")
        << "the whole text was not tried";
    EXPECT_TRUE(WaitFor([&] { return TodaysRunLog(inst) == command + "\n"; }, 3000))
        << TodaysRunLog(inst);
    EXPECT_NE(ClickNote(NoteShowing(app, "無い"),
                        When("logged", [&] { return SplitLines(TodaysRunLog(inst)).size() == 2; })),
              "");
    EXPECT_EQ(WaitForDialog(app.Id(), 1500), nullptr) << "no error box";
    ASSERT_EQ(app.End(), 0);
}

TEST(InternalCommands, SaveOnTheCommonFileOpenedAsABoardKeepsIt) {
    Note save = CommandNote("保存", 200, 500, "save");
    save.common = 1;
    Install inst = FreshInstall().WithBoard("common.txt", {save, BoardNote("共通の板", 400, 500)});
    Marnelo app(inst, "common.txt");
    ASSERT_TRUE(app.WaitForNotes(2));
    std::string before = WrittenAt(inst.PathOf("fdir\\common.txt"));
    ASSERT_NE(ClickNote(NoteShowing(app, "保存"),
                        When("saved",
                             [&] { return WrittenAt(inst.PathOf("fdir\\common.txt")) != before; })),
              "");
    EXPECT_EQ(inst.Board("fdir\\common.txt").size(), 2u) << "the file must hold every note";
    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.Board("fdir\\common.txt").size(), 2u);
}

TEST(InternalCommands, LoadOfAnEmptiedBoardShowsTheDefaultNote) {
    Install inst = FreshInstall().WithBoard("marnelo.txt", {CommandNote("読む", 200, 500, "load")});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    inst.WithFile("fdir\\marnelo.txt", "");
    EXPECT_NE(ClickNote(app.Notes()[0], Shows(app, {"付箋です。"}), 15000), "");
    ASSERT_EQ(app.End(), 0);
}
