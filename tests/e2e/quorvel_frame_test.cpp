// Quorvel's window: the first start, the settings it applies, the layout of its controls, the
// hand-off from a second start and the two ways out.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "common/text_lines.h"
#include "harness/click.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/quorvel.h"
#include "harness/ui.h"
#include "harness/wait.h"
#include "utility/resources/resource.h"

namespace {

std::string WindowIni(int left, int top, int right, int bottom, const std::string& more = "") {
    return "[window]\r\ntop=" + std::to_string(top) + "\r\nbottom=" + std::to_string(bottom) +
           "\r\nright=" + std::to_string(right) + "\r\nleft=" + std::to_string(left) + "\r\n" +
           more;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
}

void ExpectPlace(const RECT& r, int x, int y, int w, int h, const std::string& what) {
    EXPECT_EQ(r.left, x) << what;
    EXPECT_EQ(r.top, y) << what;
    EXPECT_EQ(r.right - r.left, w) << what;
    EXPECT_EQ(r.bottom - r.top, h) << what;
}

TEST(QuorvelStartUp, FirstStartWritesTheFiltersEmptyAndNothingElse) {
    Install inst = Install::Fresh();
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    EXPECT_TRUE(WaitFor([&] { return QuorvelSetting(inst, "filter", "filter_file") == ""; }));
    EXPECT_EQ(QuorvelSetting(inst, "filter", "filter_dir"), "");
    EXPECT_EQ(QuorvelSetting(inst, "window", "sizeHeight"), "<missing>");
    EXPECT_TRUE(WaitFor([&] { return inst.FolderExists("recent"); }));
    EXPECT_TRUE(WaitFor([&] { return inst.FolderExists("Quorvellog"); }));
    EXPECT_EQ(app.Title(), "Quorvel") << "no folder to list: the drives, and the plain title";
    EXPECT_EQ(app.CloseWithTitleButton(), 0);
}

TEST(QuorvelStartUp, ControlsInTheirOrderWithTheirStylesAndIds) {
    Install inst = Install::Fresh();
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    struct Expected {
        HWND window;
        const char* className;
        DWORD style;
        int id;
        const char* text;
    };
    const Expected expected[] = {
        {c.statusBar, "msctls_statusbar32", 0x50000103, 1, ""},
        {c.noteTextBox, "Edit", 0x50A00004, 1, ""},
        {c.inputLine, "Edit", 0x50A00004, 1, ""},
        {c.noteCommandBox, "Edit", 0x50A00004, 1, ""},
        {c.checkBox, "Button", 0x50000003, IDC_PAST, "過去"},
        {c.boardListBox, "ListBox", 0x50A00003, 1, ""},
        {c.bookmarkListBox, "ListBox", 0x50A00003, 1, ""},
        {c.listView, "SysListView32", 0x50005001, 1, ""},  // rows asked for as drawn
    };
    for (const Expected& e : expected) {
        ASSERT_NE(e.window, nullptr);
        EXPECT_EQ(lstrcmpiA(ClassOf(e.window).c_str(), e.className), 0) << e.className;
        // Scroll bars and edit borders are the controls' own to show or move to the frame.
        const DWORD own = WS_VSCROLL | WS_HSCROLL | WS_BORDER;
        EXPECT_EQ(StyleOf(e.window) & e.style & ~own, e.style & ~own) << e.className;
        EXPECT_EQ(GetDlgCtrlID(e.window), e.id) << e.className;
        EXPECT_EQ(WindowTextOf(e.window), e.text) << e.className;
    }
    EXPECT_EQ(SendMessageA(c.statusBar, SB_GETPARTS, 0, 0), 2);
    EXPECT_EQ(SendMessageA(c.listView, LVM_GETBKCOLOR, 0, 0), RGB(240, 240, 240))
        << "[mode] which 1 gives the list view list_color1";
    EXPECT_EQ(app.CloseWithTitleButton(), 0);
}

TEST(QuorvelStartUp, ThreeListColumnsAndFourDropTargets) {
    Install inst = Install::Fresh();
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    // The first view lists the drives, and every fill sizes the columns to what they hold.
    std::vector<int> widths = ColumnWidths(c.listView);
    ASSERT_EQ(widths.size(), 3u) << "three columns";
    EXPECT_NE(widths, (std::vector<int>{50, 50, 50})) << "sized to their content";
    struct Target {
        HWND window;
        const char* what;
        bool accepts;
    };
    const Target targets[] = {
        {c.inputLine, "input line", true},
        {c.boardListBox, "board list box", true},
        {c.bookmarkListBox, "bookmark list box", true},
        {c.listView, "list view", true},
        {c.noteTextBox, "note text box", false},
        {c.noteCommandBox, "note command box", false},
        {c.checkBox, "check box", false},
        {c.statusBar, "status bar", false},
        {app.MainWindow(), "main window", false},
    };
    for (const Target& t : targets) {
        DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(t.window, GWL_EXSTYLE));
        EXPECT_EQ((exStyle & WS_EX_ACCEPTFILES) != 0, t.accepts) << t.what;
    }
    EXPECT_EQ(app.CloseWithTitleButton(), 0);
}

TEST(QuorvelStartUp, AWindowPlaceOnAScreenIsKeptAndOneOnNoScreenIsBroughtOntoIt) {
    RECT screen{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    struct Case {
        int left, top, right, bottom;
        RECT shown;
    };
    const Case cases[] = {
        {-50, 40, 700, 540, {-50, 40, 700, 540}},
        {900, 100, 1499, 600, {900, 100, 1499, 600}},
        {100, 600, 700, 1100, {100, 600, 700, 1100}},  // partly on the screen
        // Right of the screen, as a wider screen left it: pulled in at its size.
        {3000, 100, 3600, 600, {screen.right - 600, 100, screen.right, 600}},
        {-900, -800, -300, -300, {screen.left, screen.top, screen.left + 600, screen.top + 500}},
    };
    for (const Case& c : cases) {
        Install inst = Install::Fresh();
        inst.WithFile("Quorvel.ini", WindowIni(c.left, c.top, c.right, c.bottom));
        Quorvel app(inst);
        ASSERT_TRUE(app.WaitForControls());
        RECT rect{};
        GetWindowRect(app.MainWindow(), &rect);
        EXPECT_TRUE(EqualRect(&rect, &c.shown))
            << c.left << "," << c.top << "," << c.right << "," << c.bottom << " gave " << rect.left
            << "," << rect.top << "," << rect.right << "," << rect.bottom;
        EXPECT_EQ(app.CloseWithTitleButton(), 0);
    }
}

TEST(QuorvelLayout, EveryChildAtItsFigures) {
    Install inst = Install::Fresh();
    inst.WithFile("Quorvel.ini",
                  WindowIni(100, 50, 900, 650, "sizeHeight=120\r\nsizeWidth=250\r\n"));
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    RECT client{}, listClient{};
    GetClientRect(app.MainWindow(), &client);
    GetClientRect(c.listView, &listClient);
    const int w = client.right, h = client.bottom, s = 120, v = 250, b = listClient.bottom;
    EXPECT_GT(b, 0);
    ExpectPlace(app.PlaceOf(c.listView), 0, 0, w, s, "list view");
    ExpectPlace(app.PlaceOf(c.inputLine), 0, b, w - 80, 20, "input line");
    ExpectPlace(app.PlaceOf(c.checkBox), w - 80, b, 80, 20, "check box");
    ExpectPlace(app.PlaceOf(c.noteCommandBox), 0, b + 20, w - v, 100, "note command box");
    ExpectPlace(app.PlaceOf(c.noteTextBox), 0, b + 120, w - v, h - b - 140, "note text box");
    // A list box keeps to whole items: it may end above its figure by less than one item.
    RECT board = app.PlaceOf(c.boardListBox);
    int itemHeight = static_cast<int>(SendMessageA(c.boardListBox, LB_GETITEMHEIGHT, 0, 0));
    ExpectPlace({board.left, board.top, board.right, board.top + (h - b - 40)}, w - v, b + 20, v,
                h - b - 40, "board list box");
    EXPECT_LE(board.bottom - board.top, h - b - 40);
    EXPECT_GT(board.bottom - board.top, h - b - 40 - itemHeight);
    ExpectPlace(app.PlaceOf(c.bookmarkListBox), 0, 0, 0, 0, "bookmark list box");
    RECT status = app.PlaceOf(c.statusBar);
    EXPECT_EQ(status.bottom, h) << "the status bar lies along the bottom";
    // The layout follows a resize, and the region follows the window.
    SetWindowPos(app.MainWindow(), nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(WaitFor([&] {
        RECT now{};
        GetClientRect(app.MainWindow(), &now);
        RECT board = app.PlaceOf(c.boardListBox);
        return board.left == now.right - v;
    }));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(app.MainWindow(), region), ERROR) << "the window is rounded";
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_GE(box.right, 599);
    DeleteObject(region);
    EXPECT_EQ(app.CloseWithTitleButton(), 0);
}

TEST(QuorvelHandOff, SecondStartWithAFolderMakesTheFirstListIt) {
    Install inst = Install::Fresh();
    inst.WithFile("data\\sub\\a.txt", "a");
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    std::string folder = inst.PathOf("data");
    EXPECT_EQ(RunSecondQuorvel(inst, folder), 0);
    EXPECT_EQ(app.Title(), folder + "\\") << "the hand-off is listed before the second ends";
    EXPECT_EQ(WindowTextOf(app.Controls().noteTextBox), folder + "\\");
    EXPECT_EQ(WindowTextOf(app.Controls().inputLine), "");
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(RunSecondQuorvel(inst, ""), 0) << "without a text only the first comes forward";
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(app.CloseWithTitleButton(), 0);
}

TEST(QuorvelHandOff, StartWithAFolderListsIt) {
    Install inst = Install::Fresh();
    inst.WithFile("data\\a.txt", "a");
    Quorvel app(inst, inst.PathOf("data"));
    ASSERT_TRUE(app.WaitForControls());
    EXPECT_TRUE(app.WaitForTitle(inst.PathOf("data\\")));
    EXPECT_EQ(app.EndWithSave(), 0);
    EXPECT_EQ(QuorvelSetting(inst, "path", "NowDir"), inst.PathOf("data\\*"));
}

// The folder's name ends in a character whose second byte is "\": the folder text still
// gets its own separator before the pattern's "*".
TEST(QuorvelHandOff, TextsThatAreNoFolderStayInTheTitleAndKeepTheFolder) {
    Install inst = Install::Fresh();
    std::string folder = inst.PathOf("表");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    inst.WithFile("note.txt", "x");
    Quorvel app(inst, folder);
    ASSERT_TRUE(app.WaitForControls());
    ASSERT_TRUE(app.WaitForTitle(folder + "\\"));
    QuorvelControls c = app.Controls();
    const std::string texts[] = {"memo 買い物", inst.PathOf("gone"), inst.PathOf("note.txt")};
    for (const std::string& text : texts) {
        EXPECT_EQ(RunSecondQuorvel(inst, text), 0) << text;
        EXPECT_EQ(app.Title(), text) << "the handed-off text stays in the title";
        EXPECT_EQ(WindowTextOf(c.inputLine), text) << "a walk that cannot start leaves the line";
        EXPECT_EQ(WindowTextOf(c.noteTextBox), folder + "\\") << text;
    }
    EXPECT_EQ(app.EndWithSave(), 0);
    EXPECT_EQ(QuorvelSetting(inst, "path", "NowDir"), folder + "\\*")
        << "the folder listed last stays the current one";
}

// A text that begins with a double-byte character, unquoted, as a user types it after the
// program's name.
TEST(QuorvelHandOff, ATextBeginningWithADoubleByteCharacterArrivesWhole) {
    Install inst = Install::Fresh();
    Quorvel first(inst, "買い物abc");
    ASSERT_TRUE(first.WaitForControls());
    EXPECT_TRUE(WaitForText(first.Controls().inputLine, "買い物abc"))
        << "a start with a text that is no folder keeps it in the input line, not "
        << WindowTextOf(first.Controls().inputLine);
    const std::string text = "買い物 メモ";
    EXPECT_EQ(RunSecondQuorvel(inst, text), 0);
    EXPECT_EQ(first.Title(), text);
    EXPECT_EQ(WindowTextOf(first.Controls().inputLine), text);
    EXPECT_EQ(first.CloseWithTitleButton(), 0);
}

TEST(QuorvelQuit, EmptyHandOffSavesAndEnds) {
    Install inst = Install::Fresh();
    inst.WithFile("fdir\\a.txt", "").WithFile("fdir\\b.txt", "");
    inst.WithFile("Quorvel.ini", WindowIni(60, 70, 760, 570, "[etc]\r\ntimelimit=2\r\n"));
    inst.WithFile("hanko.txt", "判子\n");
    {
        Quorvel app(inst);
        ASSERT_TRUE(app.WaitForControls());
        EXPECT_EQ(app.EndWithSave(), 0);
    }
    EXPECT_EQ(QuorvelSetting(inst, "window", "sizeHeight"), "150");
    EXPECT_EQ(QuorvelSetting(inst, "window", "left"), "60");
    EXPECT_EQ(QuorvelSetting(inst, "window", "bottom"), "570");
    EXPECT_EQ(QuorvelSetting(inst, "mode", "which"), "1") << "which is written back as read";
    EXPECT_EQ(QuorvelSetting(inst, "etc", "timelimit"), "5");
    EXPECT_EQ(QuorvelSetting(inst, "cmd", "cmd_F9"), "");
    std::string data = inst.Read("data.txt");
    EXPECT_TRUE(data == "a.txt\nb.txt\n" || data == "b.txt\na.txt\n") << data;
    EXPECT_EQ(inst.Read("hanko.txt"), "判子\n") << "stamps are read back and kept";
    EXPECT_TRUE(WaitFor([&] { return inst.Read("snapkeep.log") == "started\n"; }));
    // A second save on the same day starts no second backup.
    {
        Quorvel again(inst);
        ASSERT_TRUE(again.WaitForControls());
        EXPECT_EQ(again.EndWithSave(), 0);
    }
    Settle(500);
    EXPECT_EQ(inst.Read("snapkeep.log"), "started\n");
}

TEST(QuorvelQuit, ALongDataFileOutlivesAShortList) {
    Install inst = Install::Fresh();
    std::string longList(300, 'x');
    longList.back() = '\n';
    inst.WithFile("data.txt", longList).WithFile("fdir\\a.txt", "");
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    EXPECT_EQ(app.EndWithSave(), 0);
    EXPECT_EQ(inst.Read("data.txt"), longList);
}

TEST(QuorvelQuit, TitleBarCloseSavesNothing) {
    Install inst = Install::Fresh();
    inst.WithFile("fdir\\a.txt", "");
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    EXPECT_EQ(app.CloseWithTitleButton(), 0);
    EXPECT_EQ(QuorvelSetting(inst, "window", "sizeHeight"), "<missing>");
    EXPECT_FALSE(inst.Exists("data.txt"));
    Settle(300);
    EXPECT_FALSE(inst.Exists("snapkeep.log"));
}

TEST(QuorvelListingWindow, ContinueQuestionOnceForALargeFolder) {
    Install inst = Install::Fresh();
    std::string folder = MakeFolderOfFiles(inst, "many", 3500);
    Quorvel app(inst, folder);
    HWND box = WaitForMessageBox(app.Id(), "確認", 20000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "まだ時間が掛かりますが、続けますか？");
    // The question comes in the middle of the walk: the folder is already shown, and the
    // input line still holds the text it was started with.
    QuorvelControls c = app.Controls();
    EXPECT_EQ(app.Title(), folder + "\\");
    EXPECT_EQ(WindowTextOf(c.noteTextBox), folder + "\\");
    EXPECT_EQ(WindowTextOf(c.inputLine), folder);
    PressButton(box, IDNO);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    EXPECT_TRUE(WaitForText(c.inputLine, "")) << "the walk ends after No and empties the line";
    Settle(500);
    EXPECT_EQ(WaitForMessageBox(app.Id(), "確認", 500), nullptr) << "No stops the questions";
    EXPECT_EQ(app.Title(), folder + "\\");
    EXPECT_EQ(WindowTextOf(c.noteTextBox), folder + "\\");
    EXPECT_EQ(app.EndWithSave(), 0);
    EXPECT_EQ(QuorvelSetting(inst, "path", "NowDir"), folder + "\\*")
        << "a walk cut short still became the current folder";
}

}  // namespace

TEST(QuorvelQuit, FolderThatCannotBeListedNowIsKeptForTheNextRun) {
    Install inst = Install::Fresh();
    std::string gone = inst.PathOf("not-here\\*");
    inst.WithFile("Quorvel.ini", "[path]\r\nNowDir=" + gone + "\r\n");
    inst.WithFile("hanko.txt", "判子\n").WithFile("bookmark.txt", "C:\\印\n\n");
    {
        Quorvel app(inst);
        ASSERT_TRUE(app.WaitForControls());
        EXPECT_EQ(app.EndWithSave(), 0);
    }
    EXPECT_EQ(QuorvelSetting(inst, "path", "NowDir"), gone);
    EXPECT_EQ(inst.Read("hanko.txt"), "判子\n") << "stamps of an earlier run are kept";
    EXPECT_EQ(inst.Read("bookmark.txt"), "C:\\印\n\n");
}

// The check box adds the boards of the old-boards folder with their notes.
TEST(QuorvelNotes, OldBoardsReachTheListFilesAtSave) {
    Note memo;
    memo.text = "買い物";
    memo.command = "notepad.exe list.txt";
    Note second;
    second.text = "二行の\r\n付箋";
    Install inst = Install::Fresh();
    inst.WithBoard("old\\work.txt", {memo, second});
    std::string outside = inst.PathOf("outside\\memo.txt");
    Note distant;
    distant.text = "外";
    inst.WithFile("outside\\memo.txt", RecordOf(distant));
    inst.WithFile("filelist.txt", "\"" + outside + "\"\n\n");
    {
        Quorvel app(inst);
        ASSERT_TRUE(app.WaitForControls());
        SendMessageA(app.Controls().checkBox, BM_CLICK, 0, 0);
        EXPECT_EQ(app.EndWithSave(), 0);
    }
    EXPECT_NE(inst.Read("data.txt").find("work.txt\n"), std::string::npos);
    std::string cmd = inst.Read("cmd.txt");
    EXPECT_NE(cmd.find("work.txt 買い物\n"), std::string::npos) << cmd;
    EXPECT_NE(cmd.find("work.txt notepad.exe list.txt\n"), std::string::npos) << cmd;
    EXPECT_NE(cmd.find("work.txt 二行の  付箋\n"), std::string::npos) << "one line per note";
    EXPECT_NE(cmd.find(outside + " 外\n"), std::string::npos) << "the list's path without quotes";
    EXPECT_NE(inst.Read("ctrl.txt").find("買い物 notepad.exe list.txt\n"), std::string::npos);
}

// "cmd.txt" is Marnelo's alias file, which the user edits too: a save rewrites only what Quorvel
// wrote below its marker line, and the user's line of a word Quorvel also writes still wins.
TEST(QuorvelNotes, TheUsersAliasesOutliveASaveAndWinInMarnelo) {
    const std::string marker = "#----この行から下はQuorvelが保存のたびに書き直します----\n";
    Note run = BoardNote("run", 200, 400);
    run.command = "go.txt hello";
    Install inst = Install::Fresh().WithSettings("[window]\r\ntime=1000\r\n");
    inst.WithBoard("go.txt", {BoardNote("memo", 10, 10)}).WithBoard("marnelo.txt", {run});
    std::string mine = "go.txt " + inst.PathOf("recorder.exe") + " --user\r\n";
    inst.WithFile("cmd.txt", mine + marker + "go.txt deleted since\n");
    {
        Quorvel app(inst);
        ASSERT_TRUE(app.WaitForControls());
        QuorvelControls c = app.Controls();
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == app.MainWindow(); }));
        TypeKey(VK_RETURN);  // reads the notes
        ASSERT_TRUE(WaitFor([&] {
            std::vector<std::vector<std::string>> rows = ListViewRows(c.listView);
            return !rows.empty() && rows.back()[1] == "go.txt hello";
        }));
        EXPECT_EQ(app.EndWithSave(), 0);
    }
    std::string cmd = inst.Read("cmd.txt");
    EXPECT_EQ(cmd.substr(0, mine.size() + marker.size()), mine + marker) << cmd;
    EXPECT_NE(cmd.find(marker + "go.txt memo\n"), std::string::npos) << cmd;
    EXPECT_EQ(cmd.find("deleted since"), std::string::npos) << "what Quorvel wrote is new";

    Marnelo launcher(inst);
    ASSERT_TRUE(launcher.WaitForNotes(1));
    auto recorded = [&] { return SplitLines(inst.Read("recorder.txt")); };
    ASSERT_NE(ClickNote(launcher.Notes()[0],
                        When("the recorder ran", [&] { return !recorded().empty(); })),
              "");
    EXPECT_EQ(recorded(), std::vector<std::string>{"hello --user"});
    EXPECT_EQ(launcher.End(), 0);
}
