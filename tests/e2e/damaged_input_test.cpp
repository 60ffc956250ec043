// Bad input at start-up gets a sound result: Marnelo runs, shows what it could read, and the
// files stay as they were.
#include <gtest/gtest.h>

#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/ui.h"
#include "harness/wait.h"

TEST(DamagedInput, ExtremeNumbersInABoardDoNotStopTheStart) {
    std::string board =
        RecordLine({"巨大",       "",    "2147483647",  "-2147483647", "2147483647",
                    "2147483647", "",    "-2147483647", "-5",          "1",
                    "-3",         "99",  "7",           "-1",          "0",
                    "1",          "-40", "999999",      "1",           "1",
                    "0",          "",    "300",         "-2",          "70000",
                    "-1",         "-1",  "-1"}) +
        RecordLine({"普通", "",  "100", "100", "50", "90", "",   "12", "100", "0",
                    "11",   "0", "0",   "0",   "0",  "0",  "40", "20", "0",   "0",
                    "0",    "",  "-1",  "-1",  "-1", "-1", "-1", "-1"}) +
        "\x95\x5C\t\t\r\n\t\t\t\t\r\n";  // a trail byte, then records of no known layout
    Install inst = Install::Fresh().WithFile("fdir\\marnelo.txt", board);
    Marnelo app(inst);
    ASSERT_TRUE(WaitFor([&] { return app.NoteWindows().size() == 2; }));
    Settle();
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(inst.Read("fdir\\marnelo.txt"), board) << "reading leaves the board untouched";
}

TEST(DamagedInput, OddSettingsValuesAreReadAsNumbersOrZero) {
    Install inst = Install::Fresh().WithSettings(
        "[window]\r\ntrans=  80 percent\r\nfont=abc\r\nDefaultX=\r\n[img]\r\nkakucho2=" +
        std::string(400, 'x') + "\r\n");
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_EQ(app.Notes()[0].alpha, 204);
}

TEST(DamagedInput, OverLongBoardPathStartsWithTheDefaultNote) {
    std::string path = "C:\\" + std::string(300, 'a') + "\\board.txt";
    Install inst = Install::Fresh();
    Marnelo app(inst, "\"" + path + "\"");
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_EQ(app.Notes()[0].text, "付箋です。");
}

TEST(DamagedInput, BoardNamingAFolderStartsWithTheDefaultNoteUnasked) {
    Install inst = Install::Fresh().WithFile("fdir\\old\\marnelo.txt", "");
    Marnelo app(inst, "old");
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_EQ(app.Notes()[0].text, "付箋です。");
    EXPECT_EQ(WaitForMessageBox(app.Id(), "メッセージ", 300), nullptr);
}

TEST(DamagedInput, MissingDataFolderWithANamedBoard) {
    Install inst = Install::Fresh();
    Marnelo app(inst, "nothing.txt");
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_FALSE(inst.FolderExists("fdir"));
}

TEST(DamagedInput, FilesWithContentButNoNoteRecordSurviveTheSave) {
    const std::string plain = "買い物\r\n牛乳\r\n", unknown = "a\tb\tc\r\n";
    Install inst =
        Install::Fresh().WithFile("fdir\\marnelo.txt", plain).WithFile("fdir\\common.txt", unknown);
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1)) << "the default note stands in";
    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.Read("fdir\\marnelo.txt"), plain);
    EXPECT_EQ(inst.Read("fdir\\common.txt"), unknown);
}

TEST(DamagedInput, ABoardWithoutNotesStillShowsANoteToReach) {
    Install inst = Install::Fresh().WithFile("fdir\\marnelo.txt", "");
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    EXPECT_EQ(app.Notes()[0].text, "付箋です。");
    EXPECT_EQ(app.End(), 0) << "a second start finds the program through its note";
}

TEST(DamagedInput, ExtremeSettingsKeepNewNotesWorking) {
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("元", 100, 300)})
                       .WithSettings(
                           "[window]\r\nDefaultX=2147483647\r\nDefaultY=2147483647\r\n"
                           "[window2]\r\nheight=2147483647\r\nwidth=2147483647\r\n");
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    SetClipboardText("一行目\r\n二行目");
    for (const char* order : {"clipb", "exec"}) ASSERT_EQ(RunSecondCopy(inst, order), 0);
    ASSERT_TRUE(app.WaitForNotes(3));
    EXPECT_EQ(app.End(), 0);
    EXPECT_EQ(inst.Board("fdir\\marnelo.txt").size(), 3u);
}
