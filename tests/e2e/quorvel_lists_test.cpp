// The keys of Quorvel's board list box and list view: digits, opening boards in Marnelo, copy
// and move between two keys, recycling rows, the mode cycle, bookmarks and the parent folder.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "common/date_stamp.h"
#include "harness/install.h"
#include "harness/menus.h"
#include "harness/quorvel.h"
#include "harness/ui.h"
#include "harness/wait.h"
#include "utility/resources/resource.h"

namespace {

HWND FocusOf(const Quorvel& app) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(app.MainWindow(), nullptr);
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

bool WaitForFocus(const Quorvel& app, HWND control) {
    return WaitFor([&] { return FocusOf(app) == control; });
}

bool InFront(const Quorvel& app) {
    return app.WaitInFront();
}

// The board list box item with this text selected, as arrow keys would leave it.
bool Select(HWND listBox, const std::string& text) {
    std::vector<std::string> items = ListBoxItems(listBox);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return SendMessageA(listBox, LB_SETCURSEL, i, 0) == LRESULT(i);
    return false;
}

std::string StatusPart(const QuorvelControls& c) {
    return StatusBarText(c.statusBar, 1);
}

// A key with Ctrl takes the focus to the input line; Down there brings it back to the list.
void BackToTheBoardList(const Quorvel& app, const QuorvelControls& c) {
    ASSERT_TRUE(WaitForFocus(app, c.inputLine));
    // Ctrl+V was also typed into the line: whatever it pasted would narrow the list.
    SetWindowTextA(c.inputLine, "");
    TypeKey(VK_DOWN);
    ASSERT_TRUE(WaitForFocus(app, c.boardListBox));
}

// The started copy in front with the focus in its board list box of two items.
void IntoTheBoardListOfTwo(const Quorvel& app, QuorvelControls& c) {
    ASSERT_TRUE(app.WaitForControls());
    c = app.Controls();
    ASSERT_TRUE(InFront(app));
    ASSERT_TRUE(WaitFor([&] { return ListBoxItems(c.boardListBox).size() == 2; }));
    TypeKey(VK_DOWN);
    ASSERT_TRUE(WaitForFocus(app, c.boardListBox));
}

// The copy started with a folder in front, showing the folder's `rows` rows.
void InFrontListing(const Quorvel& app, QuorvelControls& c, std::size_t rows) {
    ASSERT_TRUE(app.WaitForControls());
    c = app.Controls();
    ASSERT_TRUE(InFront(app));
    ASSERT_TRUE(WaitFor([&] { return ListViewRows(c.listView).size() == rows; }));
}

// A listed folder leaves the focus in the list view; Esc there goes to the input line.
void IntoTheInputLine(const Quorvel& app, const QuorvelControls& c) {
    ASSERT_TRUE(WaitFor([&] { return FocusOf(app) == c.listView || FocusOf(app) == c.inputLine; }));
    if (FocusOf(app) == c.listView) TypeKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForFocus(app, c.inputLine));
}

// The first row of the list view focused and selected, from wherever a listing left the focus.
void IntoTheFirstRow(const Quorvel& app, const QuorvelControls& c) {
    IntoTheInputLine(app, c);
    TypeKey(VK_UP);
    ASSERT_TRUE(WaitForFocus(app, c.listView));
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(c.listView, LVM_GETITEMSTATE, 0, 3) == 3; }));
}

bool Answer(const Quorvel& app, const std::string& caption, const std::string& text, int button) {
    HWND box = WaitForMessageBox(app.Id(), caption);
    if (!box || MessageBoxText(box) != text) return false;
    PressButton(box, button);
    return WaitFor([&] { return !IsWindow(box); });
}

const char kForGood[] = "ごみ箱が使えないため、元に戻せなくなります。完全に削除しますか？";

std::string UnixPathOf(const std::string& path) {
    using UnixFileName = char*(CDECL*)(const WCHAR*);
    auto convert = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    WCHAR wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* unixPath = convert ? convert(wide) : nullptr;
    std::string text = unixPath ? unixPath : "";
    if (unixPath) HeapFree(GetProcessHeap(), 0, unixPath);
    return text;
}

// Wine makes its recycle bin ("Trash") in XDG_DATA_HOME, which a program started from here
// inherits: a folder of the install, made when `present`, so that what Delete does does not hang
// on the machine's home folder.
class WineDataHome {
  public:
    WineDataHome(const Install& inst, const std::string& relative, bool present) {
        char old[MAX_PATH * 2] = {};
        had_ = GetEnvironmentVariableA("XDG_DATA_HOME", old, sizeof old) > 0;
        old_ = old;
        if (present) CreateDirectoryA(inst.PathOf(relative).c_str(), nullptr);
        std::string folder = UnixPathOf(inst.PathOf("")) + relative;
        SetEnvironmentVariableA("XDG_DATA_HOME", folder.c_str());
    }
    ~WineDataHome() { SetEnvironmentVariableA("XDG_DATA_HOME", had_ ? old_.c_str() : nullptr); }

  private:
    bool had_ = false;
    std::string old_;
};

}  // namespace

TEST(QuorvelBoardList, DigitsPickItemsAPastBoardIsRefusedAndEnterOpensTheBoard) {
    Install inst = Install::Fresh().WithCopyOf("recorder.exe", "marnelo.exe");
    for (int i = 1; i <= 11; ++i)
        inst.WithBoard("b" + std::to_string(100 + i) + ".txt", {BoardNote("n", 10, 10)});
    inst.WithFile("fdir\\old\\past.txt", RecordOf(BoardNote("old", 10, 10)));
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    ASSERT_TRUE(WaitFor([&] { return ListBoxItems(c.boardListBox).size() == 11; }));
    std::vector<std::string> items = ListBoxItems(c.boardListBox);

    for (auto [digit, index] : {std::pair<WORD, int>{'3', 2}, {'0', 9}}) {
        TypeKey(VK_ESCAPE);  // the line taken by the last digit would narrow the list
        ASSERT_TRUE(WaitFor([&] { return ListBoxItems(c.boardListBox).size() == 11; }));
        TypeKey(VK_DOWN);
        ASSERT_TRUE(WaitForFocus(app, c.boardListBox));
        TypeKey(digit);
        EXPECT_TRUE(WaitForText(c.inputLine, items[index])) << "digit " << char(digit);
        EXPECT_TRUE(WaitForFocus(app, c.inputLine));
    }
    TypeKey(VK_ESCAPE);  // an empty line lists every board again
    ASSERT_TRUE(WaitForText(c.inputLine, ""));

    PressButton(app.MainWindow(), IDC_PAST);  // "過去": the old boards join the list, newest first
    ASSERT_TRUE(WaitFor([&] { return ListBoxItems(c.boardListBox).size() == 12; }));
    ASSERT_EQ(ListBoxItems(c.boardListBox)[0], "past.txt");
    TypeKey(VK_DOWN);
    ASSERT_TRUE(WaitForFocus(app, c.boardListBox));
    TypeKey(VK_RETURN);
    EXPECT_TRUE(Answer(app, "メッセージ", "過去データです。", IDOK));
    EXPECT_FALSE(inst.Exists("recorder.txt"));

    ASSERT_TRUE(WaitForFocus(app, c.inputLine));
    TypeKey(VK_DOWN);
    ASSERT_TRUE(WaitForFocus(app, c.boardListBox));
    TypeKey(VK_DOWN);  // the newest board of the data folder
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(c.boardListBox, LB_GETCURSEL, 0, 0) == 1; }));
    TypeKey(VK_RETURN);
    EXPECT_EQ(app.WaitForExit(), 0) << "a start ends Quorvel";
    EXPECT_TRUE(WaitFor([&] { return inst.Read("recorder.txt") == items[0] + "\r\n\r\n"; }))
        << "the board, then the notes brought forward: " << inst.Read("recorder.txt");
}

// Only a board of the list is a file to delete: a parent folder F12 shows and a folder of the
// day's history leave only their list. Where the recycle bin cannot take the board, Delete asks
// before it deletes for good.
TEST(QuorvelBoardList, DeleteTakesAFileOnlyForABoardAndNeverForGoodUnasked) {
    Install inst = Install::Fresh().WithFile("work\\keep.txt", "keep");
    inst.WithFile("work\\b.txt", RecordOf(BoardNote("b", 10, 10)));
    std::string work = inst.PathOf("work"), board = work + "\\b.txt";
    std::string recent = "recent\\" + DateStamp(LocalNow()) + ".txt";
    inst.WithFile("filelist.txt", board + "\n").WithFile(recent, work + "\t\n");
    // A folder of the last run is listed again, and the modes start from the normal one.
    inst.WithFile("Quorvel.ini", "[path]\r\nNowDir=" + inst.PathOf("*") + "\r\n");
    WineDataHome noBin(inst, "no-data-folder", false);
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    auto shows = [&](const std::vector<std::string>& items) {
        return WaitFor([&] { return ListBoxItems(c.boardListBox) == items; });
    };
    // After a Delete the focus is in the box or, when the box chose so, in the input line.
    auto intoTheBox = [&] {
        ASSERT_TRUE(
            WaitFor([&] { return FocusOf(app) == c.boardListBox || FocusOf(app) == c.inputLine; }));
        if (FocusOf(app) == c.inputLine) TypeKey(VK_DOWN);
        ASSERT_TRUE(WaitForFocus(app, c.boardListBox));
    };
    auto deleteItem = [&](const std::string& shown, const std::string& item) {
        ASSERT_NO_FATAL_FAILURE(intoTheBox());
        ASSERT_TRUE(Select(c.boardListBox, shown));
        TypeKey(VK_DELETE);
        ASSERT_TRUE(Answer(app, item, "削除しますか？", IDYES));
        // What the answer does is done once the window's thread answers again.
        ASSERT_TRUE(
            SendMessageTimeoutA(app.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr));
    };
    ASSERT_TRUE(shows({board}));

    TypeKey(VK_F12);
    ASSERT_TRUE(shows({"1." + work}));
    ASSERT_NO_FATAL_FAILURE(deleteItem("1." + work, work));
    // The line is made from the boards' folders: it leaves the box, but the next key released
    // in the input line (the Delete's own, when the focus went there) lists it again.
    EXPECT_TRUE(inst.Exists("work\\keep.txt") && inst.Exists("work\\b.txt"));

    TypeKey(VK_ESCAPE);  // to the input line, where Esc drops the parent level
    ASSERT_TRUE(WaitForFocus(app, c.inputLine));
    TypeKey(VK_ESCAPE);
    ASSERT_TRUE(shows({board}));
    ASSERT_NO_FATAL_FAILURE(intoTheBox());
    TypeKey(VK_F10);
    ASSERT_TRUE(app.WaitForTitle("履歴モード"));
    ASSERT_TRUE(shows({work}));
    ASSERT_NO_FATAL_FAILURE(deleteItem(work, work));
    EXPECT_TRUE(shows({}));
    EXPECT_TRUE(inst.Exists("work\\keep.txt") && inst.Exists("work\\b.txt"));
    EXPECT_EQ(inst.Read(recent), "") << "out of the day's history for good";

    // The empty box takes no focus: the list view cycles the modes as well.
    ASSERT_TRUE(
        WaitFor([&] { return FocusOf(app) == c.boardListBox || FocusOf(app) == c.inputLine; }));
    if (FocusOf(app) == c.boardListBox) TypeKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForFocus(app, c.inputLine));
    TypeKey(VK_UP);
    ASSERT_TRUE(WaitForFocus(app, c.listView));
    for (const char* title : {"数字入力モード", "フォルダサイズ表示モード", "Quorvel"}) {
        TypeKey(VK_F10);
        ASSERT_TRUE(app.WaitForTitle(title));
    }
    TypeKey(VK_ESCAPE);
    ASSERT_TRUE(shows({board}));
    ASSERT_NO_FATAL_FAILURE(deleteItem(board, board));
    EXPECT_TRUE(Answer(app, "ファイル削除", kForGood, IDNO));
    EXPECT_TRUE(WaitFor([&] { return StatusPart(c) == "削除しませんでした。"; }));
    EXPECT_TRUE(inst.Exists("work\\b.txt"));
    EXPECT_TRUE(shows({board})) << "a board whose file stays keeps its line";
    ASSERT_NO_FATAL_FAILURE(deleteItem(board, board));
    EXPECT_TRUE(Answer(app, "ファイル削除", kForGood, IDYES));
    EXPECT_TRUE(WaitFor([&] { return !inst.Exists("work\\b.txt"); }));
    EXPECT_TRUE(shows({}));
    EXPECT_EQ(app.EndWithSave(), 0);
    EXPECT_EQ(inst.Read(recent), "");
}

TEST(QuorvelTransfer, CtrlXThenCtrlVMovesWithoutAQuestion) {
    Install inst = Install::Fresh().WithFile("work\\a.txt", "A").WithFile("dest\\keep.txt", "");
    std::string a = inst.PathOf("work\\a.txt"), dest = inst.PathOf("dest");
    inst.WithFile("filelist.txt", a + "\n" + dest + "\n");
    Quorvel app(inst);
    QuorvelControls c;
    ASSERT_NO_FATAL_FAILURE(IntoTheBoardListOfTwo(app, c));

    ASSERT_TRUE(Select(c.boardListBox, a));
    TypeChord({VK_CONTROL}, 'X');
    EXPECT_TRUE(WaitFor([&] { return StatusPart(c) == "cut:" + a; }));
    BackToTheBoardList(app, c);
    ASSERT_TRUE(Select(c.boardListBox, dest));
    TypeChord({VK_CONTROL}, 'V');
    EXPECT_TRUE(WaitFor([&] { return inst.Exists("dest\\a.txt") && !inst.Exists("work\\a.txt"); }));
    EXPECT_TRUE(app.WaitForTitle(dest + "\\")) << "the destination is listed";
    EXPECT_TRUE(WaitFor([&] { return StatusPart(c).empty(); }));
    EXPECT_EQ(inst.Read("dest\\a.txt"), "A");
    EXPECT_EQ(app.EndWithSave(), 0);
}

// Wine's shell would move onto the name unasked: Quorvel asks itself, and the old content stays
// until the answer says otherwise.
TEST(QuorvelTransfer, AMoveOntoANameTheFolderHoldsAsksFirst) {
    Install inst = Install::Fresh()
                       .WithFile("work\\a.txt", "new A")
                       .WithFile("work\\b.txt", "new B")
                       .WithFile("dest\\a.txt", "old A")
                       .WithFile("dest\\b.txt", "old B");
    std::string a = inst.PathOf("work\\a.txt"), b = inst.PathOf("work\\b.txt");
    std::string dest = inst.PathOf("dest");
    inst.WithFile("filelist.txt", a + "\n" + b + "\n" + dest + "\n");
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    ASSERT_TRUE(WaitFor([&] { return ListBoxItems(c.boardListBox).size() == 3; }));
    TypeKey(VK_DOWN);
    ASSERT_TRUE(WaitForFocus(app, c.boardListBox));
    auto question = [&](const std::string& name) {
        return "「" + dest + "\\" + name + "」は既にあります。上書きしますか？（いいえ：両方残す）";
    };
    auto pasteOnDest = [&] {
        BackToTheBoardList(app, c);
        ASSERT_TRUE(Select(c.boardListBox, dest));
        TypeChord({VK_CONTROL}, 'V');
    };

    ASSERT_TRUE(Select(c.boardListBox, a));
    TypeChord({VK_CONTROL}, 'X');
    ASSERT_TRUE(WaitFor([&] { return StatusPart(c) == "cut:" + a; }));
    ASSERT_NO_FATAL_FAILURE(pasteOnDest());
    HWND box = WaitForMessageBox(app.Id(), "ファイル切り取り");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), question("a.txt"));
    EXPECT_EQ(inst.Read("dest\\a.txt"), "old A") << "nothing moves while it asks";
    PressButton(box, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    Settle();
    EXPECT_EQ(inst.Read("dest\\a.txt"), "old A");
    EXPECT_EQ(inst.Read("work\\a.txt"), "new A");
    EXPECT_EQ(StatusPart(c), "cut:" + a) << "Cancel leaves the move waiting";

    ASSERT_NO_FATAL_FAILURE(pasteOnDest());
    EXPECT_TRUE(Answer(app, "ファイル切り取り", question("a.txt"), IDYES));
    EXPECT_TRUE(WaitFor([&] { return inst.Read("dest\\a.txt") == "new A"; }));
    EXPECT_FALSE(inst.Exists("work\\a.txt"));
    EXPECT_TRUE(WaitFor([&] { return StatusPart(c).empty(); }));

    // The list now narrows to the destination; the empty line's Esc lists every item again.
    TypeKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForFocus(app, c.inputLine));
    SetWindowTextA(c.inputLine, "");  // what Ctrl+V pasted there
    TypeKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return ListBoxItems(c.boardListBox).size() == 3; }));
    TypeKey(VK_DOWN);
    ASSERT_TRUE(WaitForFocus(app, c.boardListBox));
    ASSERT_TRUE(Select(c.boardListBox, b));
    TypeChord({VK_CONTROL}, 'X');
    ASSERT_TRUE(WaitFor([&] { return StatusPart(c) == "cut:" + b; }));
    ASSERT_NO_FATAL_FAILURE(pasteOnDest());
    EXPECT_TRUE(Answer(app, "ファイル切り取り", question("b.txt"), IDNO));
    EXPECT_TRUE(WaitFor([&] { return inst.Read("dest\\b - コピー.txt") == "new B"; }))
        << "No keeps both, the incoming one under a new name";
    EXPECT_EQ(inst.Read("dest\\b.txt"), "old B");
    EXPECT_FALSE(inst.Exists("work\\b.txt"));
    EXPECT_EQ(app.EndWithSave(), 0);
}

TEST(QuorvelTransfer, ADestinationFirstAsksAndACopyBesideItsOriginalGetsANewName) {
    Install inst = Install::Fresh().WithFile("work\\b.txt", "B");
    std::string b = inst.PathOf("work\\b.txt"), work = inst.PathOf("work");
    inst.WithFile("filelist.txt", b + "\n" + work + "\n");
    Quorvel app(inst);
    QuorvelControls c;
    ASSERT_NO_FATAL_FAILURE(IntoTheBoardListOfTwo(app, c));

    ASSERT_TRUE(Select(c.boardListBox, work));
    TypeChord({VK_CONTROL}, 'V');
    EXPECT_TRUE(WaitFor([&] { return StatusPart(c) == "paste:" + work; }));
    BackToTheBoardList(app, c);
    ASSERT_TRUE(Select(c.boardListBox, b));
    TypeChord({VK_CONTROL}, 'C');
    EXPECT_TRUE(Answer(app, "ファイルコピー", "コピーしますか？", IDYES));
    EXPECT_TRUE(WaitFor([&] { return inst.Read("work\\b - コピー.txt") == "B"; }))
        << "the shell's name for a copy beside its original";
    EXPECT_EQ(inst.Read("work\\b.txt"), "B");
    EXPECT_EQ(StatusPart(c), "paste:" + work) << "the destination still waits";
    EXPECT_EQ(app.EndWithSave(), 0);
}

TEST(QuorvelListView, DeleteRecyclesTheSelectedRowsF11BookmarksF10CyclesBackspaceGoesUp) {
    Install inst = Install::Fresh()
                       .WithFile("work\\src\\x.txt", "")
                       .WithFile("work\\src\\y.txt", "")
                       .WithFile("work\\src\\z.txt", "");
    std::string src = inst.PathOf("work\\src");
    WineDataHome bin(inst, "data", true);
    Quorvel app(inst, src);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    ASSERT_TRUE(WaitFor([&] { return ListViewRows(c.listView).size() == 3; }));
    std::vector<std::vector<std::string>> rows = ListViewRows(c.listView);

    // A listed folder leaves the focus in the list view; Esc there goes to the input line.
    ASSERT_TRUE(WaitFor([&] { return FocusOf(app) == c.listView || FocusOf(app) == c.inputLine; }));
    if (FocusOf(app) == c.listView) TypeKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForFocus(app, c.inputLine));
    TypeKey(VK_UP);  // the first row, focused and selected
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(c.listView, LVM_GETITEMSTATE, 0, 3) == 3; }));
    TypeKey(VK_F11);
    TypeKey(VK_F11);
    TypeChord({VK_CONTROL}, VK_DOWN);  // the focus moves on, the selection stays
    TypeChord({VK_CONTROL}, VK_SPACE);
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(c.listView, LVM_GETITEMSTATE, 1, 3) == 3; }));
    TypeKey(VK_DELETE);
    EXPECT_TRUE(Answer(app, "ファイル削除", "選択ファイルを削除しますか？", IDYES));

    EXPECT_TRUE(WaitFor([&] {
        return !inst.Exists("work\\src\\" + rows[0][0]) && !inst.Exists("work\\src\\" + rows[1][0]);
    }));
    EXPECT_TRUE(inst.Exists("work\\src\\" + rows[2][0])) << "the third row was not selected";
    EXPECT_TRUE(inst.Exists("data\\Trash\\files\\" + rows[0][0]) &&
                inst.Exists("data\\Trash\\files\\" + rows[1][0]))
        << "in the recycle bin, asked nothing more";

    ASSERT_TRUE(WaitForFocus(app, c.listView));
    for (const char* title :
         {"履歴モード", "数字入力モード", "フォルダサイズ表示モード", "Quorvel"}) {
        TypeKey(VK_F10);
        EXPECT_TRUE(app.WaitForTitle(title));
    }

    SetWindowTextA(c.inputLine, (src + "\\*").c_str());
    TypeKey(VK_UP);
    ASSERT_TRUE(WaitForFocus(app, c.listView));
    TypeKey(VK_BACK);
    EXPECT_TRUE(WaitForText(c.inputLine, inst.PathOf("work")));
    EXPECT_EQ(app.EndWithSave(), 0);
    std::string bookmark = src + "\\" + rows[0][0];
    EXPECT_EQ(inst.Read("bookmark.txt"), bookmark + "\n" + bookmark + "\n\n");
}

TEST(QuorvelStart, AQuotedFolderOnTheCommandLineOrHandedOverIsListed) {
    Install inst = Install::Fresh().WithFile("my docs\\a.txt", "").WithFile("other dir\\b.txt", "");
    Quorvel app(inst, "\"" + inst.PathOf("my docs") + "\"");
    ASSERT_TRUE(app.WaitForControls());
    EXPECT_TRUE(app.WaitForTitle(inst.PathOf("my docs\\")));
    EXPECT_EQ(RunSecondQuorvel(inst, "\"" + inst.PathOf("other dir") + "\""), 0);
    EXPECT_TRUE(app.WaitForTitle(inst.PathOf("other dir\\")));
    EXPECT_EQ(app.EndWithSave(), 0);
}

TEST(QuorvelStart, OldBoardsTickedBeforeTheFirstEnterLeaveTheCurrentNotesToRead) {
    Install inst = Install::Fresh()
                       .WithBoard("now.txt", {BoardNote("今の付箋", 10, 10)})
                       .WithFile("fdir\\old\\past.txt", RecordOf(BoardNote("昔の付箋", 10, 10)));
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    PressButton(app.MainWindow(), IDC_PAST);
    ASSERT_TRUE(WaitFor([&] { return ListBoxItems(c.boardListBox).size() == 2; }));
    TypeKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] {
        for (const auto& row : ListViewRows(c.listView))
            if (row[1] == "今の付箋") return true;
        return false;
    })) << "the current boards' notes are read at the first Enter all the same";
    EXPECT_EQ(app.EndWithSave(), 0);
}

TEST(QuorvelStamps, CtrlTKeepsAndDropsAStampAndTheLastOneGoneEmptiesItsFile) {
    Install inst = Install::Fresh().WithFile("hanko.txt", "abc\n");
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    ASSERT_TRUE(WaitForFocus(app, c.inputLine));
    SetWindowTextA(c.inputLine, "abc");
    SendMessageA(c.inputLine, EM_SETSEL, 0, 3);
    TypeChord({VK_CONTROL}, 'T');  // the stamp read back is dropped
    EXPECT_TRUE(WaitFor([&] { return SendMessageA(c.inputLine, EM_GETSEL, 0, 0) == 0; }))
        << "the selection collapsed to its start";
    EXPECT_EQ(app.EndWithSave(), 0);
    EXPECT_EQ(inst.Read("hanko.txt"), "");
}

TEST(QuorvelStamps, TheMenuShowsTheNewestStampFirstAndInsertsTheChosenOneAtTheCaret) {
    Install inst = Install::Fresh();
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    ASSERT_TRUE(WaitForFocus(app, c.inputLine));
    for (const char* stamp : {"a", "b", "c"}) {
        SetWindowTextA(c.inputLine, stamp);
        SendMessageA(c.inputLine, EM_SETSEL, 0, 1);
        TypeChord({VK_CONTROL}, 'T');
        ASSERT_TRUE(WaitFor([&] { return SendMessageA(c.inputLine, EM_GETSEL, 0, 0) == 0; }));
    }
    SetWindowTextA(c.inputLine, "xy");
    SendMessageA(c.inputLine, EM_SETSEL, 1, 1);
    TypeChord({VK_CONTROL}, 'T');
    ASSERT_TRUE(WaitForShownMenu(app.Id()));
    EXPECT_EQ(MenuTexts(ShownMenu(app.Id())), (std::vector<std::string>{"c", "b", "a"}));
    ChooseMenuPosition(1);
    EXPECT_TRUE(WaitForText(c.inputLine, "xby"));
    EXPECT_EQ(app.EndWithSave(), 0);
}

// F6 without a command, a key in the note box, then F7 with the stand-in as its command.
TEST(QuorvelListView, FunctionKeysRunTheirCommandOnTheRowAndTheNoteBoxOpensTheCaretLine) {
    Install inst = Install::Fresh()
                       .WithFile("w\\x.txt", "")
                       .WithCopyOf("recorder.exe", "a\\recorder.exe")
                       .WithCopyOf("recorder.exe", "b\\recorder.exe");
    std::string recorder = inst.PathOf("recorder.exe");
    inst.WithFile("Quorvel.ini", "[cmd]\r\ncmd_F7=" + recorder + "\r\n");
    Quorvel app(inst, inst.PathOf("w"));
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    ASSERT_TRUE(WaitFor([&] { return ListViewRows(c.listView).size() == 1; }));
    POINT row = ListViewRowPoint(c.listView, 0);
    ClickAt(row.x, row.y);
    ASSERT_TRUE(WaitForFocus(app, c.listView));
    TypeKey(VK_F6);
    EXPECT_TRUE(Answer(app, "メッセージ", "登録されていません。", IDOK));

    RECT box;
    GetWindowRect(c.noteTextBox, &box);
    ClickAt((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    ASSERT_TRUE(WaitForFocus(app, c.noteTextBox));
    std::string first = inst.PathOf("a\\recorder.exe");
    SetWindowTextA(c.noteTextBox,
                   (first + "\r\n" + recorder + "\r\n" + inst.PathOf("b\\recorder.exe")).c_str());
    int inSecondLine = static_cast<int>(first.size() + 4);
    SendMessageA(c.noteTextBox, EM_SETSEL, inSecondLine, inSecondLine);
    TypeKey(VK_RIGHT);
    EXPECT_TRUE(WaitFor([&] { return inst.Read("recorder.txt") == "\r\n"; }))
        << "the line under the caret was started, without parameters";

    ClickAt(row.x, row.y);
    ASSERT_TRUE(WaitForFocus(app, c.listView));
    TypeKey(VK_F7);
    EXPECT_EQ(app.WaitForExit(), 0) << "a started command ends Quorvel";
    std::string x = inst.PathOf("w\\x.txt");
    if (x.find(' ') != std::string::npos) x = "\"" + x + "\"";
    EXPECT_TRUE(WaitFor([&] { return inst.Read("recorder.txt") == "\r\n" + x + "\r\n"; }))
        << inst.Read("recorder.txt");
    EXPECT_FALSE(inst.Exists("a\\recorder.txt") || inst.Exists("b\\recorder.txt"))
        << "only the caret's line";
}

TEST(QuorvelListView, WhileALongListingAsksTheRowsOfTheEarlierOneAreGoneAndIgnored) {
    Install inst = Install::Fresh().WithFile("small\\keep.txt", "");
    std::string many = MakeFolderOfFiles(inst, "many", 3500);
    Quorvel app(inst, inst.PathOf("small"));
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    ASSERT_TRUE(WaitFor([&] { return ListViewRows(c.listView).size() == 1; }));
    POINT row = ListViewRowPoint(c.listView, 0);
    ClickAt(row.x, row.y);
    ASSERT_TRUE(WaitForFocus(app, c.listView));
    TypeKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForFocus(app, c.inputLine));
    SetWindowTextA(c.inputLine, many.c_str());
    TypeKey(VK_RETURN);
    HWND question = WaitForMessageBox(app.Id(), "確認", 20000);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(SendMessageA(c.listView, LVM_GETITEMCOUNT, 0, 0), 0)
        << "the earlier listing's rows left with its results";

    // Where the earlier row stood a double-click would start a file and Delete recycle one;
    // Ctrl+Space in the input line would recycle every row.
    DoubleClickAt(row);
    ASSERT_TRUE(WaitForFocus(app, c.listView));
    TypeKey(VK_DELETE);
    RECT line;
    GetWindowRect(c.inputLine, &line);
    ClickAt((line.left + line.right) / 2, (line.top + line.bottom) / 2);
    ASSERT_TRUE(WaitForFocus(app, c.inputLine));
    SetWindowTextA(c.inputLine, "");
    TypeChord({VK_CONTROL}, VK_SPACE);
    // The answer must come after the keys: the letter shows when they were all taken.
    TypeText("z");
    ASSERT_TRUE(WaitForText(c.inputLine, "z"));
    PressButton(question, IDNO);
    EXPECT_TRUE(WaitFor([&] { return SendMessageA(c.listView, LVM_GETITEMCOUNT, 0, 0) == 3001; }));
    EXPECT_EQ(WaitForMessageBox(app.Id(), "ファイル削除", 300), nullptr);
    EXPECT_TRUE(app.Running());
    EXPECT_TRUE(inst.Exists("small\\keep.txt") && inst.Exists("many\\f0.txt"));
    EXPECT_EQ(app.EndWithSave(), 0);
}

// The list view hands out a cell's text only as far as its buffer goes: Ctrl+C and the note
// boxes take the note string from the notes themselves.
TEST(QuorvelListView, ANoteLongerThanACellCopiesAndShowsWhole) {
    std::string text = "qzx";
    while (text.size() < 1500) text += " 長い付箋の文 " + std::to_string(text.size());
    Note note = BoardNote(text, 10, 10);
    note.command = "notepad.exe";
    Install inst = Install::Fresh().WithBoard("long.txt", {note});
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    TypeKey(VK_RETURN);  // reads the notes
    ASSERT_TRUE(WaitFor([&] {
        std::vector<std::vector<std::string>> rows = ListViewRows(c.listView);
        return !rows.empty() && rows.back()[1] == "notepad.exe";
    }));
    TypeText("qzx");  // the note's text alone, without the drives listed at the start
    ASSERT_TRUE(WaitFor([&] { return ListViewRows(c.listView).size() == 1; }));
    SetClipboardText("");
    TypeKey(VK_UP);  // the first row: the note's text
    ASSERT_TRUE(WaitForFocus(app, c.listView));
    EXPECT_TRUE(WaitForText(c.noteCommandBox, "notepad.exe")) << "the note is found by its text";
    EXPECT_EQ(WindowTextOf(c.noteTextBox).size(), text.size());
    TypeChord({VK_CONTROL}, 'C');
    EXPECT_TRUE(WaitFor([&] { return ClipboardText() == text; }))
        << ClipboardText().size() << " of " << text.size() << " bytes";
    EXPECT_EQ(app.EndWithSave(), 0);
}

TEST(QuorvelListView, EnterListsAFolderRowAndStartsAFileRowNeverAsABoard) {
    Install inst = Install::Fresh()
                       .WithCopyOf("recorder.exe", "marnelo.exe")
                       .WithCopyOf("recorder.exe", "w\\sub\\tool.exe");
    Quorvel app(inst, inst.PathOf("w"));
    QuorvelControls c;
    InFrontListing(app, c, 1);
    IntoTheFirstRow(app, c);
    TypeKey(VK_RETURN);
    EXPECT_TRUE(app.WaitForTitle(inst.PathOf("w\\sub\\"))) << "the folder row is listed";
    ASSERT_TRUE(WaitFor([&] {
        std::vector<std::vector<std::string>> rows = ListViewRows(c.listView);
        return rows.size() == 1 && rows[0][0] == "tool.exe";
    }));
    IntoTheFirstRow(app, c);
    TypeKey(VK_RETURN);
    EXPECT_EQ(app.WaitForExit(), 0) << "a started file ends Quorvel";
    EXPECT_TRUE(WaitFor([&] { return inst.Read("w\\sub\\recorder.txt") == "\r\n"; }))
        << "the file itself, without parameters";
    EXPECT_FALSE(inst.Exists("recorder.txt"))
        << "Marnelo was never started: " << inst.Read("recorder.txt");
}

TEST(QuorvelBoardList, ALetterTypedOnAnItemFollowsTheItemsText) {
    Install inst = Install::Fresh()
                       .WithBoard("ga.txt", {BoardNote("n", 10, 10)})
                       .WithBoard("gb.txt", {BoardNote("n", 10, 10)});
    Quorvel app(inst);
    QuorvelControls c;
    IntoTheBoardListOfTwo(app, c);
    std::string item = ListBoxItems(c.boardListBox)[0];
    TypeKey('Q');
    EXPECT_TRUE(WaitForText(c.inputLine, item + "q")) << WindowTextOf(c.inputLine);
    EXPECT_TRUE(WaitForFocus(app, c.inputLine));
    TypeKey('Z');
    EXPECT_TRUE(WaitForText(c.inputLine, item + "qz")) << "typed on in the line itself";
    EXPECT_EQ(app.EndWithSave(), 0);
}

TEST(QuorvelListView, ANoteOfTwoLinesShowsOnOneRowAndKeepsItsBreakInTheNoteBox) {
    Install inst = Install::Fresh().WithBoard("two.txt", {BoardNote("first\r\nqzx", 10, 10)});
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(InFront(app));
    TypeKey(VK_RETURN);  // reads the notes
    TypeText("qzx");     // the note alone, without the drives listed at the start
    ASSERT_TRUE(WaitFor([&] {
        std::vector<std::vector<std::string>> rows = ListViewRows(c.listView);
        return rows.size() == 1 && rows[0][0] == "two.txt";
    }));
    EXPECT_EQ(ListViewRows(c.listView)[0][1], "first qzx");
    TypeKey(VK_UP);
    ASSERT_TRUE(WaitForFocus(app, c.listView));
    EXPECT_TRUE(WaitForText(c.noteTextBox, "first\r\nqzx")) << "the note is found by its text";
    EXPECT_EQ(app.EndWithSave(), 0);
}

TEST(QuorvelStartUp, CommandsStartWhereQuorvelWasStartedAlsoOnItsSecondRun) {
    Install inst = Install::Fresh().WithFile("w\\x.txt", "");
    inst.WithFile("Quorvel.ini", "[cmd]\r\ncmd_F6=" + inst.PathOf("recorder.exe") + "\r\n");
    {
        Quorvel first(inst);  // makes the day's history folder
        ASSERT_TRUE(first.WaitForControls());
        ASSERT_EQ(first.EndWithSave(), 0);
    }
    ASSERT_TRUE(inst.FolderExists("recent"));
    Quorvel app(inst, inst.PathOf("w"));
    QuorvelControls c;
    InFrontListing(app, c, 1);
    IntoTheFirstRow(app, c);
    TypeKey(VK_F6);
    EXPECT_EQ(app.WaitForExit(), 0);
    std::string folder = inst.PathOf("");
    folder.pop_back();
    EXPECT_TRUE(WaitFor([&] { return inst.Read("recorder_dir.txt") == folder + "\r\n"; }))
        << inst.Read("recorder_dir.txt");
}

TEST(QuorvelInputLine, F10StepsTheModesAsInTheListsAndOpensNoMenu) {
    Install inst = Install::Fresh().WithFile("w\\x.txt", "");
    Quorvel app(inst, inst.PathOf("w"));  // a listed folder starts in the normal mode
    QuorvelControls c;
    InFrontListing(app, c, 1);
    IntoTheInputLine(app, c);
    TypeKey(VK_F10);
    EXPECT_TRUE(app.WaitForTitle("履歴モード"));
    EXPECT_EQ(StatusPart(c), "履歴モード");
    TypeKey(VK_F10);
    EXPECT_TRUE(app.WaitForTitle("数字入力モード")) << "no menu mode took the second F10";
    TypeText("ab");
    EXPECT_TRUE(WaitForText(c.inputLine, "ab")) << "the keys still reach the line";
    EXPECT_EQ(app.EndWithSave(), 0);
}
