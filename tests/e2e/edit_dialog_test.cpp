// The Edit dialog driven as a user would: opened by a long press or a click, its boxes read
// back, colours chosen and stepped, OK, auto size, mini, move and Cancel.
#include <gtest/gtest.h>

#include <string>

#include "harness/click.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/ui.h"
#include "harness/wait.h"
#include "launcher/model/colours.h"
#include "launcher/resources/resource.h"

namespace {

std::string Item(HWND dialog, int id) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void SetItem(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Checked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Check(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, BST_CHECKED, 0);
}

// As a pick from the combo's list does: the selection, then the notification.
void ChooseFromList(HWND dialog, int id, int index) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void ReleaseKeyIn(HWND dialog, int id, WORD key) {
    PostMessageA(GetDlgItem(dialog, id), WM_KEYUP, key, 0xC0000001);
}

// Holds the button on the note well past the click time without moving.
// The note under the point is the one that was there before any dialog opened.
void LongPress(int x, int y) {
    HWND note = nullptr;
    WaitFor(
        [&] {
            note = GetAncestor(WindowFromPoint({x, y}), GA_ROOT);
            char className[16] = {};
            GetClassNameA(note, className, sizeof className);
            return std::string(className) == "marn";
        },
        3000);
    HoldNote(note, {x, y}, 900);
}

// The dialog opens under the pointer of the long press that opened it: the next press waits
// until the program has taken up the pointer's entering it.
HWND WaitForEditDialog(const Marnelo& app) {
    HWND dialog = WaitForMessageBox(app.Id(), "Edit");
    return dialog && SettledOnScreen(dialog) ? dialog : nullptr;
}

Outcome EditDialogOpens(const Marnelo& app) {
    return When("the Edit dialog",
                [&app] { return WaitForMessageBox(app.Id(), "Edit", 0) != nullptr; });
}

bool Closes(HWND dialog) {
    return WaitFor([&] { return !IsWindow(dialog); }, 5000);
}

// A point of the text box below its first lines and left of its scroll bar.
POINT TextBoxBackground(HWND dialog) {
    RECT box = RectOf(GetDlgItem(dialog, IDC_TEXT_BOX));
    return {(box.left + box.right) / 2, box.bottom - 8};
}

constexpr int kRed = 10;

}  // namespace

TEST(EditDialog, LongPressFillsEveryBoxAndOkWritesThemBack) {
    Note n = BoardNote("編集する", 200, 200, 160, 80);
    n.command = "写す文字";
    n.runType = 1;
    n.mediaPath = "C:\\無い\\絵.jpg";
    n.fontSize = 16;
    n.transparency = 80;
    n.backColor = 12;
    n.textColor = 3;
    n.align = 1;
    n.miniWidth = 44;
    n.miniHeight = 22;
    n.raiseOnHover = 1;
    n.fontFace = "ＭＳ ゴシック";
    n.textRed = 1, n.textGreen = 2, n.textBlue = 3;
    Install inst =
        Install::Fresh().WithSettings("[window]\r\ntime=500\r\n").WithBoard("marnelo.txt", {n});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND note = app.NoteWindows()[0];

    LongPress(250, 230);
    HWND dialog = WaitForEditDialog(app);
    ASSERT_NE(dialog, nullptr);
    // Shrunk to nothing at the origin; a framed window keeps the few pixels of its frame.
    EXPECT_EQ(RectOf(note).left, 0);
    EXPECT_LT(RectOf(note).right, 20) << "the note is shrunk while open";
    const std::pair<int, std::string> filled[] = {
        {IDC_COMMAND_BOX, "写す文字"},
        {IDC_TEXT_BOX, "編集する"},
        {IDC_MEDIA_PATH, "C:\\無い\\絵.jpg"},
        {IDC_FONT_FACE, "ＭＳ ゴシック"},
        {IDC_TRANSPARENCY, "80"},
        {IDC_FONT_SIZE, "16"},
        {IDC_MINI_WIDTH, "44"},
        {IDC_MINI_HEIGHT, "22"},
        {IDC_RUN_TYPE, "クリップボード"},
        {IDC_ALIGN, "真ん中"},
        {IDC_BACK_COLOUR, "Yellow"},
        {IDC_TEXT_COLOUR, "Navy"},
        {IDC_BOARD, "marnelo.txt"},
        {IDC_BACK_RED, "-1"},
        {IDC_BACK_GREEN, "-1"},
        {IDC_BACK_BLUE, "-1"},
        {IDC_TEXT_RED, "1"},
        {IDC_TEXT_GREEN, "2"},
        {IDC_TEXT_BLUE, "3"},
    };
    for (const auto& [id, text] : filled) EXPECT_EQ(Item(dialog, id), text) << id;
    EXPECT_FALSE(Checked(dialog, IDC_TOPMOST));
    EXPECT_FALSE(Checked(dialog, IDC_MINI));
    EXPECT_TRUE(Checked(dialog, IDC_RAISE_ON_HOVER));
    // Every edit box previews the note's colours: the text box shows the yellow background.
    EXPECT_TRUE(
        ShowsColourAt(TextBoxBackground(dialog).x, TextBoxBackground(dialog).y, RGB(255, 255, 0)));
    // The README's picture, once the last control, "ｷｬﾝｾﾙ", has drawn its face.
    RECT cancel = RectOf(GetDlgItem(dialog, IDCANCEL));
    ShowsColourAt(cancel.left + 4, (cancel.top + cancel.bottom) / 2, GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(SaveWindowPicture(dialog, inst.PathOf("edit-dialog.bmp")));

    ChooseFromList(dialog, IDC_BACK_COLOUR, kRed);
    EXPECT_EQ(Item(dialog, IDC_BACK_RED) + "," + Item(dialog, IDC_BACK_GREEN) + "," +
                  Item(dialog, IDC_BACK_BLUE),
              "255,0,0");
    EXPECT_TRUE(
        ShowsColourAt(TextBoxBackground(dialog).x, TextBoxBackground(dialog).y, RGB(255, 0, 0)));
    SetItem(dialog, IDC_BACK_RED, "250");
    SetItem(dialog, IDC_BACK_GREEN, "5");
    ChooseFromList(dialog, IDC_BACK_COLOUR, kRed);
    EXPECT_EQ(Item(dialog, IDC_BACK_RED), "250") << "the same colour again keeps typed values";
    ReleaseKeyIn(dialog, IDC_BACK_RED, VK_UP);
    ReleaseKeyIn(dialog, IDC_BACK_GREEN, VK_DOWN);
    EXPECT_TRUE(WaitFor([&] { return Item(dialog, IDC_BACK_RED) == "10"; }, 3000))
        << Item(dialog, IDC_BACK_RED);
    EXPECT_TRUE(WaitFor([&] { return Item(dialog, IDC_BACK_GREEN) == "245"; }, 3000))
        << Item(dialog, IDC_BACK_GREEN);

    SetItem(dialog, IDC_TEXT_BOX, "書き換えた");
    SetItem(dialog, IDC_COMMAND_BOX, "");
    SetItem(dialog, IDC_TRANSPARENCY, "40");
    SetItem(dialog, IDC_ALIGN, "右寄り");
    SetItem(dialog, IDC_TEXT_COLOUR, "White");
    SetItem(dialog, IDC_RUN_TYPE, "どれでもない");  // matches no run type: unchanged
    Check(dialog, IDC_TOPMOST);
    PressButton(dialog, IDOK);
    ASSERT_TRUE(Closes(dialog));
    EXPECT_TRUE(HasRect(note, 200, 200, 160, 80)) << "back at its place and full size";
    NoteView view = InspectNote(note);
    EXPECT_EQ(view.text, "書き換えた");
    EXPECT_EQ(view.alpha, AlphaOf(40));
    EXPECT_TRUE(view.topmost);

    // Without a command a click opens the dialog; Cancel keeps everything.
    ASSERT_NE(ClickNote(note, {250, 230}, EditDialogOpens(app)), "");
    dialog = WaitForEditDialog(app);
    ASSERT_NE(dialog, nullptr);
    SetItem(dialog, IDC_TEXT_BOX, "取り消す");
    SetItem(dialog, IDC_FONT_SIZE, "48");
    PressButton(dialog, IDCANCEL);
    ASSERT_TRUE(Closes(dialog));
    EXPECT_TRUE(HasRect(note, 200, 200, 160, 80));
    EXPECT_EQ(InspectNote(note).text, "書き換えた");

    ASSERT_EQ(app.End(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 1u);
    const Note& s = saved[0];
    EXPECT_EQ(s.text, "書き換えた");
    EXPECT_EQ(s.command, "");
    EXPECT_EQ(s.transparency, 40);
    EXPECT_EQ(s.fontSize, 16);
    EXPECT_EQ(s.align, 2);
    EXPECT_EQ(s.textColor, 11);
    EXPECT_EQ(s.runType, 1);
    EXPECT_EQ(s.backColor, kRed);
    EXPECT_EQ(s.backRed, 10);
    EXPECT_EQ(s.backGreen, 245);
    EXPECT_EQ(s.backBlue, 0);
    EXPECT_EQ(s.topmost, 1);
    EXPECT_EQ(s.mediaPath, "C:\\無い\\絵.jpg");
    EXPECT_EQ(s.fontFace, "ＭＳ ゴシック");
    EXPECT_EQ(s.x, 200);
    EXPECT_EQ(s.width, 160);
}

TEST(EditDialog, SecondOpenIsRefusedAutoSizeFitsTheTextAndMiniReturnsSmall) {
    Install inst = Install::Fresh().WithBoard(
        "marnelo.txt", {BoardNote("一つ目", 200, 200), BoardNote("二つ目", 750, 200)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    std::vector<NoteView> views = app.Notes();
    HWND first = views[0].window, second = views[1].window;

    LongPress(250, 230);
    HWND dialog = WaitForEditDialog(app);
    ASSERT_NE(dialog, nullptr);
    LongPress(800, 230);
    HWND refusal = WaitForMessageBox(app.Id(), "message");
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(MessageBoxText(refusal), "編集画面を閉じて下さい");
    PressButton(refusal, IDOK);
    ASSERT_TRUE(Closes(refusal));
    EXPECT_TRUE(HasRect(second, 750, 200, 120, 60)) << "the other note is untouched";

    const std::string wide = "ずっと広い一行目の文字";
    SetItem(dialog, IDC_TEXT_BOX, wide + "\r\n短い");
    PressButton(dialog, 3);
    ASSERT_TRUE(Closes(dialog));
    // The note's font as the note makes it, measured here.
    HFONT font = CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             FIXED_PITCH | FF_ROMAN, nullptr);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE line{};
    GetTextExtentPoint32A(dc, wide.c_str(), static_cast<int>(wide.size()), &line);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    // The note comes back once the dialog's call has returned, a moment after it closed.
    EXPECT_TRUE(WaitFor([&] { return HasRect(first, 200, 200, line.cx + 10, 2 * line.cy + 10); }))
        << RectOf(first).right - RectOf(first).left << " x "
        << RectOf(first).bottom - RectOf(first).top;

    LongPress(800, 230);
    dialog = WaitForEditDialog(app);
    ASSERT_NE(dialog, nullptr);
    Check(dialog, IDC_MINI);
    SetItem(dialog, IDC_MINI_WIDTH, "50");
    SetItem(dialog, IDC_MINI_HEIGHT, "30");
    PressButton(dialog, IDOK);
    ASSERT_TRUE(Closes(dialog));
    EXPECT_TRUE(WaitFor([&] { return HasRect(second, 750, 200, 50, 30); }));

    // An end handed over while a dialog is open waits for it, so what is typed is kept; the
    // note is saved where it was, not shrunk.
    LongPress(250, 230);
    dialog = WaitForEditDialog(app);
    ASSERT_NE(dialog, nullptr);
    SetItem(dialog, IDC_TEXT_BOX, wide + "\r\n短い\r\n足した");
    ASSERT_EQ(RunSecondCopy(inst, "end"), 0);
    Settle();
    ASSERT_TRUE(app.Running() && IsWindow(dialog)) << "the end waits for the dialog";
    PressButton(dialog, IDOK);
    ASSERT_EQ(app.WaitForExit(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].x, 200);
    EXPECT_EQ(saved[0].y, 200);
    EXPECT_EQ(saved[0].width, line.cx + 10);
    EXPECT_EQ(saved[0].height, 2 * line.cy + 10);
    EXPECT_EQ(saved[0].text, wide + "\r\n短い\r\n足した");
}

TEST(EditDialog, OkKeepsALongTextWholeAndEmptyBoxesLeaveTheNoteReachable) {
    Note n = BoardNote("", 200, 200, 160, 80);
    for (int i = 0; n.text.size() <= 44000; ++i)
        n.text += "長い付箋の" + std::to_string(i) + "行目\r\n";
    n.mediaPath = "C:\\" + std::string(600, 'p') + "\\絵.jpg";
    n.borderless = 1;  // no frame of its own to keep the window from the least size
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {n});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND note = app.NoteWindows()[0];

    LongPress(250, 230);
    HWND dialog = WaitForEditDialog(app);
    ASSERT_NE(dialog, nullptr);
    PressButton(dialog, IDOK);
    ASSERT_TRUE(Closes(dialog));
    ASSERT_TRUE(WaitFor([&] { return HasRect(note, 200, 200, 160, 80); }));

    // Empty opacity and mini sizes would leave an invisible note, or one of 0 by 0.
    LongPress(250, 230);
    dialog = WaitForEditDialog(app);
    ASSERT_NE(dialog, nullptr);
    SetItem(dialog, IDC_TRANSPARENCY, "");
    SetItem(dialog, IDC_MINI_WIDTH, "");
    SetItem(dialog, IDC_MINI_HEIGHT, "");
    Check(dialog, IDC_MINI);
    PressButton(dialog, IDOK);
    ASSERT_TRUE(Closes(dialog));
    EXPECT_TRUE(WaitFor([&] { return HasRect(note, 200, 200, 10, 10); }));
    EXPECT_EQ(InspectNote(note).alpha, AlphaOf(10));
    ASSERT_EQ(app.End(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 1u);
    // Compared whole, but reported by size: the texts are too long to print.
    EXPECT_TRUE(saved[0].text == n.text) << "text of " << saved[0].text.size() << " bytes";
    EXPECT_TRUE(saved[0].mediaPath == n.mediaPath) << "path of " << saved[0].mediaPath.size();
    EXPECT_EQ(saved[0].transparency, 10);
    EXPECT_EQ(saved[0].miniWidth, 10);
}

TEST(EditDialog, ABoardSwitchHandedOverWaitsUntilTheDialogCloses) {
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("元の文", 200, 200)})
                       .WithBoard("work.txt", {BoardNote("仕事", 100, 100)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    LongPress(250, 230);
    HWND dialog = WaitForEditDialog(app);
    ASSERT_NE(dialog, nullptr);
    SetItem(dialog, IDC_TEXT_BOX, "打ち込んだ文");
    ASSERT_EQ(RunSecondCopy(inst, "work.txt"), 0);
    Settle();
    ASSERT_TRUE(IsWindow(dialog)) << "the switch waits for the dialog";
    EXPECT_EQ(app.NoteTexts(), std::vector<std::string>{"元の文"});
    PressButton(dialog, IDOK);
    ASSERT_TRUE(Closes(dialog));
    ASSERT_TRUE(app.WaitForTexts({"仕事"})) << "then the board switches";
    EXPECT_EQ(inst.BoardTexts("fdir\\marnelo.txt"), std::vector<std::string>{"打ち込んだ文"});
    ASSERT_EQ(app.End(), 0);
}

TEST(EditDialog, MoveToTheCurrentBoardDoesNothingAndToAnotherMovesTheNote) {
    Install inst =
        Install::Fresh()
            .WithBoard("marnelo.txt", {BoardNote("行く", 200, 200), BoardNote("残る", 500, 200)})
            .WithBoard("other.txt", {BoardNote("元から", 100, 100)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));

    LongPress(250, 230);
    HWND dialog = WaitForEditDialog(app);
    ASSERT_NE(dialog, nullptr);
    PressButton(dialog, IDC_MOVE);  // the current board is chosen when the dialog opens
    Settle();
    ASSERT_TRUE(IsWindow(dialog));
    SetItem(dialog, IDC_BOARD, "other.txt");
    PressButton(dialog, IDC_MOVE);
    ASSERT_TRUE(Closes(dialog));
    EXPECT_TRUE(app.WaitForTexts({"残る"}));
    EXPECT_EQ(inst.BoardTexts("fdir\\other.txt"), (std::vector<std::string>{"行く", "元から"}));
    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.BoardTexts("fdir\\marnelo.txt"), std::vector<std::string>{"残る"});
}

TEST(EditDialog, TheClockNotesClickOpensIt) {
    Note clock = BoardNote("時計", 200, 400, 220, 40);
    clock.command = "tokei";
    Install inst =
        Install::Fresh().WithSettings("[window]\r\ntime=500\r\n").WithBoard("marnelo.txt", {clock});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_NE(ClickNote(app.NoteWindows()[0], {250, 420}, EditDialogOpens(app)), "");
    HWND dialog = WaitForEditDialog(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Item(dialog, IDC_COMMAND_BOX), "tokei");
    PressButton(dialog, IDCANCEL);
    EXPECT_TRUE(Closes(dialog));
}
