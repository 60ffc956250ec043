// What Quorvel shows at start from the settings of the last run: its folder and input text,
// the date filter in the note command box and the list view's colour, and how a save writes
// them back.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "harness/install.h"
#include "harness/quorvel.h"
#include "harness/wait.h"

namespace {

TEST(QuorvelFirstView, TheFolderAndTextOfTheLastRunComeBack) {
    struct Case {
        bool withFolder;
        const char* nowTxt;
        const char* what;
    };
    const Case cases[] = {{true, "買い物 ^古い", "folder and text"},
                          {true, "", "folder alone"},
                          {false, "買い物 ^古い", "text alone"}};
    for (const Case& k : cases) {
        Install inst = Install::Fresh();
        inst.WithFile("data\\a.txt", "a");
        std::string folder = inst.PathOf("data\\");
        std::string ini = "[path]\r\n";
        if (k.withFolder) ini += "NowDir=" + folder + "*\r\n";
        ini += "NowTxt=" + std::string(k.nowTxt) + "\r\n";
        inst.WithFile("Quorvel.ini", ini);
        Quorvel app(inst);
        ASSERT_TRUE(app.WaitForControls()) << k.what;
        QuorvelControls c = app.Controls();
        if (k.withFolder) {
            EXPECT_TRUE(app.WaitForTitle(folder)) << k.what << ": " << app.Title();
            EXPECT_TRUE(WaitForText(c.inputLine, k.nowTxt))
                << k.what << ": the text comes back after the walk has emptied the line";
            EXPECT_EQ(WindowTextOf(c.noteTextBox), folder) << k.what;
        } else {
            EXPECT_TRUE(WaitForText(c.inputLine, k.nowTxt)) << k.what;
            Settle();
            EXPECT_EQ(app.Title(), "Quorvel") << k.what << ": nothing was listed";
            EXPECT_EQ(WindowTextOf(c.noteTextBox), "") << k.what;
        }
        EXPECT_EQ(WindowTextOf(c.inputLine), k.nowTxt) << k.what;
        EXPECT_EQ(app.EndWithSave(), 0) << k.what;
        EXPECT_EQ(QuorvelSetting(inst, "path", "NowDir"), k.withFolder ? folder + "*" : "")
            << k.what;
    }
}

// The note command box shows the date filter as Ctrl+U would, and a filter that is on has no
// remembered value.
TEST(QuorvelFirstView, TheDateFilterIsShownAndWrittenBack) {
    struct Case {
        const char* etc;
        const char* shown;
        const char* filterdate;
        const char* filterdate2;
        const char* filterdate3;
    };
    const Case cases[] = {
        {"filterdate=7\r\nfilterdate2=5\r\nfilterdate3=1\r\n", "^7", "7", "-2", "1"},
        {"filterdate=0\r\nfilterdate3=2\r\n", "0", "0", "-2", "0"},
        {"filterdate=-1\r\nfilterdate2=5\r\nfilterdate3=1\r\n", "", "-1", "5", "1"},
        {"", "", "-1", "-2", "0"},
    };
    for (const Case& k : cases) {
        Install inst = Install::Fresh();
        inst.WithFile("Quorvel.ini", std::string("[etc]\r\n") + k.etc);
        Quorvel app(inst);
        ASSERT_TRUE(app.WaitForControls()) << k.etc;
        EXPECT_TRUE(WaitForText(app.Controls().noteCommandBox, k.shown))
            << k.etc << " showed " << WindowTextOf(app.Controls().noteCommandBox);
        EXPECT_EQ(app.EndWithSave(), 0) << k.etc;
        EXPECT_EQ(QuorvelSetting(inst, "etc", "filterdate"), k.filterdate) << k.etc;
        EXPECT_EQ(QuorvelSetting(inst, "etc", "filterdate2"), k.filterdate2) << k.etc;
        EXPECT_EQ(QuorvelSetting(inst, "etc", "filterdate3"), k.filterdate3) << k.etc;
    }
}

// The stored [mode] which picks the list view's colour and is written back as it was read.
TEST(QuorvelFirstView, WhichPicksTheListViewColour) {
    const std::string colours =
        "[list_color1]\r\nred=11\r\ngreen=22\r\nblue=33\r\n"
        "[list_color2]\r\nred=300\r\ngreen=55\r\nblue=66\r\n";
    struct Case {
        const char* which;
        COLORREF colour;
    };
    // 300 is kept as a byte: 300 modulo 256.
    const Case cases[] = {{"0", RGB(44, 55, 66)}, {"1", RGB(11, 22, 33)}};
    for (const Case& k : cases) {
        Install inst = Install::Fresh();
        inst.WithFile("Quorvel.ini", "[mode]\r\nwhich=" + std::string(k.which) + "\r\n" + colours);
        Quorvel app(inst);
        ASSERT_TRUE(app.WaitForControls()) << "which=" << k.which;
        HWND listView = app.Controls().listView;
        EXPECT_EQ(static_cast<COLORREF>(SendMessageA(listView, LVM_GETBKCOLOR, 0, 0)), k.colour)
            << "which=" << k.which;
        EXPECT_EQ(static_cast<COLORREF>(SendMessageA(listView, LVM_GETTEXTBKCOLOR, 0, 0)), k.colour)
            << "which=" << k.which;
        EXPECT_EQ(app.EndWithSave(), 0);
        EXPECT_EQ(QuorvelSetting(inst, "mode", "which"), k.which);
        EXPECT_EQ(QuorvelSetting(inst, "list_color2", "red"), "44");
        EXPECT_EQ(QuorvelSetting(inst, "list_color1", "blue"), "33");
    }
}

}  // namespace

// The columns are sized from the rows' texts without asking the list view; its own sizing to
// content, asked afterwards, must find nothing to change.
TEST(QuorvelListView, ColumnsAreAsWideAsTheListViewWouldMakeThem) {
    Install inst = Install::Fresh()
                       .WithFile("data\\a.txt", "")
                       .WithFile("data\\長い名前のファイルです.txt", "")
                       .WithFile("data\\ｶﾀｶﾅ and Wide WWW.txt", "")
                       .WithFile("Quorvel.ini", "[etc]\r\nfilterdate=0\r\n");
    Quorvel app(inst, inst.PathOf("data"));
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(c.listView, LVM_GETITEMCOUNT, 0, 0) == 3; }));
    std::vector<std::vector<std::string>> rows = ListViewRows(c.listView);
    ASSERT_FALSE(rows[0][2].empty()) << "the date column has texts";
    std::vector<int> ours = ColumnWidths(c.listView, 3);
    for (int column = 0; column < 3; ++column)
        SendMessageA(c.listView, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(LVSCW_AUTOSIZE, 0));
    EXPECT_EQ(ColumnWidths(c.listView, 3), ours);
    EXPECT_EQ(app.EndWithSave(), 0);
}
