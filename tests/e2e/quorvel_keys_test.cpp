// Quorvel driven from the keyboard and the mouse as a user drives it: what the input line
// shows, how the lists follow every key, and what Enter, Esc, Tab, Ctrl and Alt keys list,
// start and end.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include <gtest/gtest.h>

#include "common/date_stamp.h"
#include "harness/install.h"
#include "harness/menus.h"
#include "harness/quorvel.h"
#include "harness/ui.h"
#include "harness/wait.h"

namespace {

std::vector<std::string> Column(const std::vector<std::vector<std::string>>& rows, int column) {
    std::vector<std::string> cells;
    for (const auto& row : rows) cells.push_back(row[column]);
    return cells;
}

std::vector<std::string> Names(HWND listView) {
    return Column(ListViewRows(listView), 0);
}

bool WaitForNames(HWND listView, const std::vector<std::string>& names) {
    return WaitFor([&] { return Names(listView) == names; });
}

// Keys go to the focused control of the window in front.
bool InFront(const Quorvel& app) {
    return app.WaitInFront();
}

TEST(QuorvelInputLine, ShiftedDigitsEnterCtrlSpaceF12AndEscape) {
    Install inst = Install::Fresh();
    inst.WithFile("data\\a.txt", "a").WithFile("data\\b.txt", "b");
    std::string folder = inst.PathOf("data\\");
    inst.WithFile("filelist.txt", folder + "a.txt\n");
    inst.WithFile("Quorvel.ini", "[path]\r\nNowDir=" + folder + "*\r\n");
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(app.WaitForTitle(folder));
    ASSERT_TRUE(InFront(app));
    EXPECT_TRUE(WaitForNames(c.listView, {"b.txt", "a.txt"}));

    TypeText("!)*");
    EXPECT_TRUE(WaitForText(c.inputLine, "19:")) << WindowTextOf(c.inputLine);
    TypeKey(VK_RETURN);
    Settle();
    EXPECT_EQ(WindowTextOf(c.inputLine), "19:") << "Enter never breaks the line";

    TypeKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForText(c.inputLine, "")) << "Esc clears a text";
    EXPECT_EQ(app.Title(), folder);
    EXPECT_TRUE(WaitFor([&] {
        return ListBoxItems(c.boardListBox) == std::vector<std::string>{folder + "a.txt"};
    })) << "the board in the listed folder";
    TypeKey(VK_F12);
    EXPECT_TRUE(WaitFor([&] {
        return ListBoxItems(c.boardListBox) == std::vector<std::string>{"1." + inst.PathOf("data")};
    })) << "F12 shows the board's folder, numbered for the digit keys";
    TypeKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] {
        return ListBoxItems(c.boardListBox) == std::vector<std::string>{folder + "a.txt"};
    })) << "Esc on the empty line drops the parent level";
    EXPECT_EQ(app.Title(), folder) << "and lists nothing else";

    TypeText("q");
    ASSERT_TRUE(WaitForText(c.inputLine, "q"));
    TypeChord({VK_CONTROL}, VK_SPACE);
    HWND box = WaitForMessageBox(app.Id(), "ファイル削除");
    ASSERT_NE(box, nullptr) << "Ctrl+Space asks first";
    EXPECT_EQ(MessageBoxText(box), "すべて削除しますか？");
    PressButton(box, IDNO);
    EXPECT_TRUE(WaitForText(c.inputLine, ""));
    EXPECT_TRUE(inst.Exists("data\\a.txt") && inst.Exists("data\\b.txt")) << "No deletes nothing";

    // The question left the focus in the list view; the user clicks back into the line.
    RECT line{};
    GetWindowRect(c.inputLine, &line);
    MovePointerTo((line.left + line.right) / 2, (line.top + line.bottom) / 2);
    PressLeftButton();
    ReleaseLeftButton();
    Settle();
    TypeKey(VK_ESCAPE);
    EXPECT_TRUE(app.WaitForTitle("Quorvel")) << "Esc on the empty line at level 0";
    EXPECT_EQ(WindowTextOf(c.noteTextBox), "");
    std::vector<std::vector<std::string>> drives = ListViewRows(c.listView);
    ASSERT_FALSE(drives.empty());
    for (const auto& row : drives) {
        EXPECT_EQ(row[0].size(), 3u) << row[0];
        EXPECT_EQ(row[0].substr(1), ":\\");
        EXPECT_EQ(row[1], row[0] + "*") << "each drive is a folder entry";
    }

    TypeChord({VK_CONTROL}, 'W');
    EXPECT_EQ(app.WaitForExit(), 0) << "Ctrl+W ends";
    EXPECT_EQ(QuorvelSetting(inst, "path", "NowDir"), "") << "and saves first";
}

TEST(QuorvelInputLine, EnterOnAPathListsItAndEveryReleaseFilters) {
    Install inst = Install::Fresh();
    inst.WithFile("w\\A.txt", "").WithFile("w\\b.txt", "").WithFile("w\\sub\\in.txt", "");
    inst.WithFile("w\\Zeta\\z.txt", "").WithFile("q\\my docs\\d.txt", "");
    Note memo;
    memo.text = "buy milk";
    memo.command = "notepad.exe";
    inst.WithBoard("memo.txt", {memo});
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));

    SetClipboardText(inst.PathOf("w"));
    TypeChord({VK_CONTROL}, 'V');
    ASSERT_TRUE(WaitForText(c.inputLine, inst.PathOf("w"))) << "Ctrl+V still pastes";
    TypeKey(VK_RETURN);
    ASSERT_TRUE(app.WaitForTitle(inst.PathOf("w\\")));
    EXPECT_TRUE(WaitForNames(c.listView, {"sub", "Zeta", "b.txt", "A.txt", "memo.txt", "memo.txt"}))
        << "the entries, then the notes read by the first Enter";
    std::vector<std::vector<std::string>> rows = ListViewRows(c.listView);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0][1], inst.PathOf("w\\sub\\*"));
    EXPECT_EQ(rows[3][1], inst.PathOf("w\\A.txt"));
    EXPECT_EQ(rows[4][1], "buy milk");
    EXPECT_EQ(rows[5][1], "notepad.exe");
    EXPECT_TRUE(SaveWindowPicture(app.MainWindow(), inst.PathOf("quorvel.bmp")));  // the README's

    TypeText("^");
    EXPECT_TRUE(WaitForNames(c.listView, {})) << "a lone ^ matches nothing";
    TypeText("x");
    EXPECT_TRUE(WaitForNames(c.listView, {"sub", "Zeta"})) << "^x hides every row with an x";
    TypeKey(VK_BACK);
    TypeKey(VK_BACK);
    TypeText("MILK");
    EXPECT_TRUE(WaitForNames(c.listView, {"memo.txt"})) << "case is ignored";

    TypeKey(VK_BACK);
    TypeKey(VK_BACK);
    TypeKey(VK_BACK);
    TypeKey(VK_BACK);
    ASSERT_TRUE(
        WaitForNames(c.listView, {"sub", "Zeta", "b.txt", "A.txt", "memo.txt", "memo.txt"}));
    DoubleClickAt(ListViewRowPoint(c.listView, 4));
    Settle();
    EXPECT_EQ(app.Title(), inst.PathOf("w\\")) << "a note row stands for no entry";
    DoubleClickAt(ListViewRowPoint(c.listView, 1));
    EXPECT_TRUE(app.WaitForTitle(inst.PathOf("w\\Zeta\\"))) << "a double-click lists a folder";
    EXPECT_TRUE(WaitForNames(c.listView, {"z.txt", "memo.txt", "memo.txt"}));

    // A quoted folder pattern, as a copied path with spaces comes.
    RECT line{};
    GetWindowRect(c.inputLine, &line);
    ClickAt((line.left + line.right) / 2, (line.top + line.bottom) / 2);
    if (!WindowTextOf(c.inputLine).empty()) TypeKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForText(c.inputLine, ""));
    SetClipboardText("\"" + inst.PathOf("q\\my docs") + "\\*\"");
    TypeChord({VK_CONTROL}, 'V');
    ASSERT_TRUE(WaitForText(c.inputLine, "\"" + inst.PathOf("q\\my docs") + "\\*\""));
    TypeKey(VK_RETURN);
    EXPECT_TRUE(app.WaitForTitle(inst.PathOf("q\\my docs\\")));
    EXPECT_TRUE(WaitForNames(c.listView, {"d.txt", "memo.txt", "memo.txt"}));
    EXPECT_EQ(app.EndWithSave(), 0);
    EXPECT_EQ(QuorvelSetting(inst, "path", "NowDir"), inst.PathOf("q\\my docs\\*"));
}

TEST(QuorvelPick, TabListsAFolderThenStartsAFileAndEnds) {
    Install inst = Install::Fresh();
    std::string recorder = inst.PathOf("recorder.exe");
    std::string folder = inst.PathOf("");
    folder.pop_back();
    inst.WithFile("filelist.txt", recorder + "\n" + folder + "\n");
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    ASSERT_TRUE(WaitFor([&] {
        return ListBoxItems(c.boardListBox) == std::vector<std::string>{folder, recorder};
    })) << "the newest board first";

    TypeKey(VK_TAB);
    EXPECT_TRUE(app.WaitForTitle(inst.PathOf(""))) << "a folder is listed";
    EXPECT_TRUE(WaitFor([&] {
        return ListBoxItems(c.boardListBox) == std::vector<std::string>{recorder};
    })) << "the listed folder narrows the board list";
    Settle();
    EXPECT_TRUE(app.Running()) << "and Quorvel stays";
    EXPECT_FALSE(inst.Exists("recorder.txt"));
    EXPECT_EQ(WindowTextOf(c.inputLine), "") << "Tab never reaches the line";

    TypeKey(VK_TAB);
    EXPECT_EQ(app.WaitForExit(), 0) << "a started file ends Quorvel";
    EXPECT_TRUE(WaitFor([&] { return inst.Read("recorder.txt") == "\r\n"; }))
        << "the file was started, without parameters";
    EXPECT_EQ(inst.Read("Quorvellog\\" + DateStamp(LocalNow()) + ".log"), recorder + "\n");
    EXPECT_EQ(inst.Read("recent\\" + DateStamp(LocalNow()) + ".txt"), folder + "\t\n")
        << "the pick recorded where it was made";
    EXPECT_NE(inst.Read("data.txt").find(recorder + "\n"), std::string::npos);
    EXPECT_EQ(QuorvelSetting(inst, "path", "NowDir"), folder + "\\*");
}

TEST(QuorvelHistory, AltArrowsWalkTheDayAndCtrlLettersRunANote) {
    Install inst = Install::Fresh();
    std::string h[3];
    for (int i = 0; i < 3; ++i) {
        std::string name = "h" + std::to_string(i + 1);
        inst.WithFile(name + "\\f.txt", "");
        h[i] = inst.PathOf(name);
    }
    inst.WithFile("recent\\" + DateStamp(LocalNow()) + ".txt",
                  h[0] + "\tword\n" + h[1] + "\t\n" + h[2] + "\t\n");
    Note run, other;
    run.text = "abc";
    run.command = inst.PathOf("recorder.exe");
    other.text = "ab";
    other.command = "";
    inst.WithBoard("keys.txt", {other, run});
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));

    struct Step {
        WORD key;
        int expected;
    };
    // The day starts on its newest pair; both ends hold.
    const Step steps[] = {{VK_LEFT, 1},  {VK_LEFT, 0},  {VK_LEFT, 0}, {VK_RIGHT, 1},
                          {VK_RIGHT, 2}, {VK_RIGHT, 2}, {VK_LEFT, 1}};
    for (const Step& step : steps) {
        TypeChord({VK_MENU}, step.key);
        std::string shown = h[step.expected];
        EXPECT_TRUE(app.WaitForTitle(shown + "\\"))
            << (step.key == VK_LEFT ? "Alt+Left" : "Alt+Right") << " to " << shown << ", not "
            << app.Title();
        EXPECT_TRUE(WaitForText(c.noteTextBox, shown + "\\"));
        if (step.expected == 0) {
            EXPECT_TRUE(WaitForText(c.inputLine, "word"));
        }
    }

    TypeKey(VK_RETURN);  // reads the notes
    EXPECT_TRUE(WaitFor([&] { return ListViewRows(c.listView).size() == 4; }))
        << "h2's file, the notes ab and abc and the command";
    PressKey(VK_CONTROL);
    TypeKey('A');
    TypeKey('B');
    Settle();
    EXPECT_TRUE(app.Running()) << "ab's empty command starts nothing";
    TypeKey('C');
    ReleaseKey(VK_CONTROL);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_TRUE(WaitFor([&] { return inst.Read("recorder.txt") == "\r\n"; }));
    EXPECT_EQ(inst.Read("Quorvellog\\" + DateStamp(LocalNow()) + ".log"), run.command + "\n");
}

}  // namespace

namespace {

TEST(QuorvelBookmarks, AltDownWalksAndTheReleaseListsTheFolder) {
    Install inst = Install::Fresh();
    inst.WithFile("b1\\one.txt", "").WithFile("b2\\two.txt", "");
    std::string b1 = inst.PathOf("b1"), b2 = inst.PathOf("b2");
    inst.WithFile("bookmark.txt", b1 + "\n" + b2 + "\n\n");
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    ASSERT_TRUE(WaitFor([&] {
        return ListBoxItems(c.bookmarkListBox) == std::vector<std::string>{b1, b2};
    }));

    PressKey(VK_MENU);
    TypeKey(VK_DOWN);
    EXPECT_TRUE(WaitForText(c.inputLine, b1));
    TypeKey(VK_DOWN);
    TypeKey(VK_DOWN);
    EXPECT_TRUE(WaitForText(c.inputLine, b2)) << "the walk stops at the last bookmark";
    EXPECT_EQ(WindowTextOf(c.noteTextBox), b2);
    EXPECT_EQ(app.Title(), "Quorvel") << "nothing is listed while Alt is held";
    ReleaseKey(VK_MENU);
    EXPECT_TRUE(app.WaitForTitle(b2 + "\\")) << "the release lists the bookmark's folder";
    EXPECT_TRUE(WaitForNames(c.listView, {"two.txt"}));
    EXPECT_EQ(app.EndWithSave(), 0);
}

}  // namespace

namespace {

TEST(QuorvelDrop, OneDroppedPathGoesIntoTheLineQuotedWhenSpaced) {
    Install inst = Install::Fresh();
    inst.WithFile("my files\\a.txt", "").WithFile("b.txt", "");
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(DropFiles(app.Id(), c.inputLine, {inst.PathOf("my files\\a.txt")}));
    EXPECT_TRUE(WaitForText(c.inputLine, "\"" + inst.PathOf("my files\\a.txt") + "\""));
    ASSERT_TRUE(DropFiles(app.Id(), c.boardListBox, {inst.PathOf("b.txt")}));
    EXPECT_TRUE(WaitForText(c.inputLine, inst.PathOf("b.txt")))
        << "on any control that takes drops";
    ASSERT_TRUE(DropFiles(app.Id(), c.inputLine, {inst.PathOf("b.txt"), inst.PathOf("my files")}));
    Settle();
    EXPECT_EQ(WindowTextOf(c.inputLine), inst.PathOf("b.txt")) << "two files leave the line alone";
    EXPECT_EQ(app.EndWithSave(), 0);
}

}  // namespace
