// The tray icon and the main menu it opens: every board, a new note, a new note file, the help
// page and the end of the program.
#include <windows.h>

#include <shellapi.h>

#include <set>
#include <utility>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/text_lines.h"
#include "harness/click.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/menus.h"
#include "harness/ui.h"
#include "harness/wait.h"
#include "launcher/resources/resource.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

// Only an icon the task bar holds can be changed: the change itself tells whether it is there.
bool TrayIconShown(HWND mainWindow) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = mainWindow;
    data.uID = TRAY_ICON_ID;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "marn");
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// The right click on the tray icon as the task bar reports it; the menu opens above the pointer.
std::vector<std::string> OpenMainMenu(const Marnelo& app) {
    MovePointerTo(700, 900);
    PostMessageA(app.MainWindow(), MSG_TRAY, TRAY_ICON_ID, WM_RBUTTONUP);
    if (!WaitForShownMenu(app.Id())) return {};
    return MenuTexts(ShownMenu(app.Id()));
}

int PositionOf(const std::vector<std::string>& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return static_cast<int>(i);
    ADD_FAILURE() << "no menu item " << text;
    return 0;
}

void Choose(const Marnelo& app, const std::string& text) {
    std::vector<std::string> items = OpenMainMenu(app);
    ASSERT_FALSE(items.empty()) << "no main menu";
    ChooseMenuPosition(PositionOf(items, text));
}

// Points the shell's "open" of web pages at the recorder for the life of the object.
class HtmlOpensWith {
  public:
    explicit HtmlOpensWith(const std::string& program) {
        // A prefix without a browser engine has no type for web pages at all.
        HKEY type = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ".html", 0, KEY_READ, &type) == ERROR_SUCCESS) {
            RegCloseKey(type);
        } else if (RegCreateKeyExA(HKEY_CLASSES_ROOT, ".html", 0, nullptr, 0, KEY_ALL_ACCESS,
                                   nullptr, &type, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(type, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("htmlfile"), 9);
            RegCloseKey(type);
            madeType_ = true;
        }
        RegCreateKeyExA(HKEY_CLASSES_ROOT, "htmlfile\\shell\\open\\command", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        char value[1024] = {};
        DWORD size = sizeof value;
        if (RegQueryValueExA(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                             &size) == ERROR_SUCCESS)
            old_ = value;
        Set("\"" + program + "\" \"%1\"");
    }
    ~HtmlOpensWith() {
        Set(old_);
        RegCloseKey(key_);
        if (madeType_) RegDeleteKeyA(HKEY_CLASSES_ROOT, ".html");
    }

  private:
    void Set(const std::string& command) {
        RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>(command.size() + 1));
    }
    HKEY key_ = nullptr;
    std::string old_;
    bool madeType_ = false;
};

// Chooses "新しい付箋ファイル" and gives the save dialog `name`; false when no dialog came.
bool NameNewNoteFile(const Marnelo& app, const std::string& name) {
    Choose(app, "新しい付箋ファイル");
    HWND dialog = WaitForDialog(app.Id());
    if (!dialog) return false;
    // The edit of the dialog's name box: a plain edit, or inside an (extended) combo box.
    HWND edit = GetDlgItem(dialog, 0x480);
    for (HWND box = GetDlgItem(dialog, 0x47c); !edit && box;
         box = FindWindowExA(box, nullptr, "ComboBox", nullptr))
        edit = FindWindowExA(box, nullptr, "Edit", nullptr);
    if (!edit) return false;
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return true;
}

}  // namespace

TEST(TrayIcon, ThereWhileTheProgramRunsAndGoneAfterIt) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("一", 200, 500)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND main = app.MainWindow();
    EXPECT_TRUE(WaitFor([&] { return TrayIconShown(main); }, 3000));
    ASSERT_EQ(app.End(), 0);
    EXPECT_FALSE(TrayIconShown(main));
}

TEST(MainMenu, EveryBoardFromTheTopThenTheFixedItemsAndABoardChosenIsShown) {
    Install inst = Install::Fresh("with space")
                       .WithBoard("marnelo.txt", {BoardNote("最初", 200, 500)})
                       .WithBoard("work.txt", {BoardNote("仕事", 400, 500)});
    std::string outside = inst.PathOf("outside\\memo.txt");
    inst.WithFile("outside\\memo.txt", RecordOf(BoardNote("外", 200, 500)))
        .WithFile("filelist.txt", outside + "\n");
    std::vector<std::string> folder = inst.DataFolderOrder();
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));

    std::vector<std::string> items = OpenMainMenu(app);
    TypeKey(VK_ESCAPE);
    // Inserted at the top one after the other: the lists come out last to first, and the
    // board on screen is offered like any other.
    std::vector<std::string> expected = {outside};
    expected.insert(expected.end(), folder.rbegin(), folder.rend());
    for (const char* fixed : {"ミニツール", "ヘルプ", "新しい付箋ファイル", "新しい付箋", "終了"})
        expected.push_back(fixed);
    EXPECT_EQ(items, expected);

    Settle(300);
    Choose(app, "work.txt");
    EXPECT_TRUE(app.WaitForTexts({"仕事"})) << "switched through a second copy in a spaced folder";
    Choose(app, outside);
    EXPECT_TRUE(app.WaitForTexts({"外"}));
    ASSERT_EQ(app.End(), 0);
}

TEST(MainMenu, NewNoteFromTheClipboardAndEndSaves) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("最初", 200, 500)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    SetClipboardText("メニューから");
    Choose(app, "新しい付箋");
    ASSERT_TRUE(app.WaitForNotes(2));
    Settle(300);
    Choose(app, "終了");
    ASSERT_EQ(app.WaitForExit(), 0);
    EXPECT_THAT(inst.BoardTexts("fdir\\marnelo.txt"), ElementsAre("最初", "メニューから"));
}

TEST(MainMenu, EndChosenWhileTheEditDialogIsOpenWaitsForItAndKeepsTheEdit) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("前", 200, 500)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    auto dialogShown = [&] { return WaitForMessageBox(app.Id(), "Edit", 0); };
    ASSERT_NE(ClickNote(app.Notes()[0], When("the Edit dialog", dialogShown)), "");
    HWND dialog = dialogShown();
    ASSERT_TRUE(SettledOnScreen(dialog));
    SetDlgItemTextA(dialog, IDC_TEXT_BOX, "後");
    Choose(app, "終了");
    ASSERT_TRUE(WaitFor([&] { return ShownMenu(app.Id()).empty(); }));
    SendMessageA(app.MainWindow(), WM_NULL, 0, 0);
    ASSERT_TRUE(app.Running() && IsWindow(dialog)) << "the end waits for the dialog";
    PressButton(dialog, IDOK);
    ASSERT_EQ(app.WaitForExit(), 0);
    EXPECT_THAT(inst.BoardTexts("fdir\\marnelo.txt"), ElementsAre("後"));
}

TEST(MainMenu, NewNoteFileNamedMemoBecomesMemoMarnlAndIsShown) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("最初", 200, 500)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_TRUE(NameNewNoteFile(app, "memo"));
    ASSERT_TRUE(app.WaitForTexts({"付箋です。"})) << "the new, empty board shows a default note";
    EXPECT_TRUE(inst.Exists("fdir\\memo.marnl"));
    EXPECT_FALSE(inst.Exists("fdir\\memo"));
    EXPECT_EQ(inst.Board("fdir\\marnelo.txt").size(), 1u) << "the board left was saved";
    std::vector<std::string> items = OpenMainMenu(app);
    TypeKey(VK_ESCAPE);
    EXPECT_THAT(items, testing::Contains("memo.marnl")) << "the new board is offered";
    Settle(300);
    ASSERT_EQ(app.End(), 0);
    std::vector<Note> saved = inst.Board("fdir\\memo.marnl");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].text, "付箋です。");
}

TEST(MainMenu, HelpOpensThePageBesideTheProgramThroughTheShell) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("最初", 200, 500)});
    std::string page = inst.Read("MarneloHelp\\help.html");
    EXPECT_THAT(page, HasSubstr("<meta charset=\"utf-8\">"));
    EXPECT_THAT(page, HasSubstr("cmd.txt"));
    EXPECT_THAT(page, HasSubstr("tokei"));
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    {
        HtmlOpensWith recorder(inst.PathOf("recorder.exe"));
        Choose(app, "ヘルプ");
        EXPECT_TRUE(WaitFor([&] { return !inst.Read("recorder.txt").empty(); }, 8000));
    }
    EXPECT_THAT(inst.Read("recorder.txt"), HasSubstr("MarneloHelp\\help.html"));
    ASSERT_EQ(app.End(), 0);
}

TEST(MainMenu, NewNoteFileWhoseAddedExtensionNamesABoardOpensItUntouched) {
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("最初", 200, 500)})
                       .WithBoard("memo.marnl", {BoardNote("前からある", 400, 500)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    // The dialog asked about "memo" only: the board "memo.marnl" is not emptied unasked.
    ASSERT_TRUE(NameNewNoteFile(app, "memo"));
    EXPECT_TRUE(app.WaitForTexts({"前からある"}));
    ASSERT_EQ(app.End(), 0);
    ASSERT_EQ(inst.Board("fdir\\memo.marnl").size(), 1u);
}

TEST(TrayIcon, ComesBackWhenTheTaskBarStartsAgain) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("一", 200, 500)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND main = app.MainWindow();
    ASSERT_TRUE(WaitFor([&] { return TrayIconShown(main); }, 3000));
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = main;
    data.uID = TRAY_ICON_ID;
    Shell_NotifyIconA(NIM_DELETE, &data);  // as a task bar that ended takes its icons along
    ASSERT_FALSE(TrayIconShown(main));
    PostMessageA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor([&] { return TrayIconShown(main); }, 3000));
    ASSERT_EQ(app.End(), 0);
}

TEST(MainMenu, ABoardNamedLikeAHandOverOrderIsSwitchedTo) {
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("最初", 200, 500)})
                       .WithBoard("end", {BoardNote("終わりという板", 400, 500)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    Choose(app, "end");
    EXPECT_TRUE(app.WaitForTexts({"終わりという板"}));
    EXPECT_TRUE(app.Running()) << "the board was obeyed as an order";
    ASSERT_EQ(app.End(), 0);
}

TEST(MainMenu, NewNotesNeverLandExactlyOnANoteShown) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("付箋です。", 0, 0)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    auto places = [&] {
        std::set<std::pair<LONG, LONG>> at;
        for (const NoteView& v : app.Notes()) at.insert({v.rect.left, v.rect.top});
        return at;
    };
    // An empty clipboard makes the default note, clipboard text a note at the running place;
    // both would stand at the origin.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    Choose(app, "新しい付箋");
    ASSERT_TRUE(app.WaitForNotes(2));
    EXPECT_EQ(places().size(), 2u);
    for (const NoteView& v : app.Notes()) ASSERT_TRUE(SettledOnScreen(v.window));
    SetClipboardText("クリップボードから");
    Choose(app, "新しい付箋");
    ASSERT_TRUE(app.WaitForNotes(3));
    EXPECT_EQ(places().size(), 3u);
    ASSERT_EQ(app.End(), 0);
}

TEST(MainMenu, HelpWithoutThePageSaysWhereItShouldBe) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("最初", 200, 500)});
    ASSERT_TRUE(DeleteFileA(inst.PathOf("MarneloHelp\\help.html").c_str()));
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    Choose(app, "ヘルプ");
    HWND box = WaitForMessageBox(app.Id(), "Marnelo");
    ASSERT_TRUE(box) << "nothing said";
    EXPECT_THAT(MessageBoxText(box), HasSubstr(inst.PathOf("MarneloHelp\\help.html")));
    PressButton(box, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5000));
    ASSERT_EQ(app.End(), 0);
}
