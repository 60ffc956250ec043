// The mouse on notes: a quick click runs the note, a long press takes the edit path, a drag
// moves the note, and pointing at a mini note shows it at full size.
#include <gtest/gtest.h>

#include "harness/click.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/menus.h"
#include "harness/ui.h"
#include "harness/wait.h"

namespace {

Note MiniNoteAt(const std::string& text, int x, int y) {
    Note note = BoardNote(text, x, y, 200, 100);
    note.mini = 1;
    note.miniWidth = 40;
    note.miniHeight = 20;
    return note;
}

bool HasSize(HWND window, int width, int height) {
    RECT r = RectOf(window);
    return r.right - r.left == width && r.bottom - r.top == height;
}

// Presses the left button at (x, y), holds it `holdMs`, moving the pointer by `dx` on the way.
void PressAndRelease(int x, int y, int holdMs, int dx = 0) {
    MovePointerTo(x, y);
    Settle(100);
    PressLeftButton();
    const int steps = dx ? 4 : 1;
    for (int i = 1; i <= steps; ++i) {
        Sleep(holdMs / (steps + 1));
        if (dx) MovePointerTo(x + dx * i / steps, y);
    }
    Sleep(holdMs / (steps + 1));
    ReleaseLeftButton();
}

}  // namespace

TEST(NoteMouse, DragMovesTheNoteByThePointersWayAndTheSaveKeepsIt) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("動かす", 200, 200)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND note = app.NoteWindows()[0];
    PressAndRelease(250, 230, 400, 40);
    EXPECT_TRUE(WaitFor([&] { return RectOf(note).left == 240; }, 3000))
        << "left edge at " << RectOf(note).left;
    EXPECT_EQ(RectOf(note).top, 200);
    ASSERT_EQ(app.End(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].x, 240);
    EXPECT_EQ(saved[0].y, 200);
    EXPECT_EQ(saved[0].width, 120);
}

// A note whose click puts its command on the clipboard shows which path a press took.
TEST(NoteMouse, QuickClickRunsTheNoteAndALongPressDoesNot) {
    Note copying = BoardNote("写す", 300, 300);
    copying.command = "クリックで写る文字";
    copying.runType = 1;
    // A click time well above the quick press: a busy test machine may be slow to start the
    // system's move loop, which must begin while the button is still down.
    Install inst = Install::Fresh()
                       .WithSettings("[window]\r\ntime=600\r\n")
                       .WithBoard("marnelo.txt", {copying});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND note = app.NoteWindows()[0];

    SetClipboardText("前から");
    PressAndRelease(340, 320, 900);
    HWND editor = WaitForMessageBox(app.Id(), "Edit");
    ASSERT_NE(editor, nullptr) << "a press held past the click time opens the Edit dialog";
    EXPECT_EQ(ClipboardText(), "前から") << "and runs nothing";
    PressButton(editor, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(editor); }, 5000));

    EXPECT_NE(ClickNote(note, {340, 320},
                        When("copied", [] { return ClipboardText() == "クリックで写る文字"; })),
              "");
    EXPECT_EQ(RectOf(note).left, 300) << "a click moves nothing";
    EXPECT_EQ(RectOf(note).top, 300);
}

TEST(NoteMouse, HoverExpandsAMiniNoteAndTheNextNoteCollapsesItKeepingANewSize) {
    Install inst = Install::Fresh().WithBoard(
        "marnelo.txt", {MiniNoteAt("小さい", 100, 100), BoardNote("隣", 500, 100)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    std::vector<NoteView> views = app.Notes();
    HWND mini = views[0].window;
    ASSERT_TRUE(HasSize(mini, 40, 20));

    MovePointerTo(110, 105);
    ASSERT_TRUE(WaitFor([&] { return HasSize(mini, 200, 100); }, 3000)) << "expanded";
    // A resize while expanded, as dragging the frame would make it.
    SetWindowPos(mini, nullptr, 0, 0, 260, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MovePointerTo(520, 120);
    ASSERT_TRUE(WaitFor([&] { return HasSize(mini, 40, 20); }, 3000)) << "collapsed";
    EXPECT_EQ(RectOf(mini).left, 100);

    MovePointerTo(110, 105);
    ASSERT_TRUE(WaitFor([&] { return HasSize(mini, 260, 120); }, 3000)) << "the new full size";
    PressKey(VK_CONTROL);
    // The note reads the Ctrl state at its next pointer move, and the key may reach the note's
    // thread after a first move: the pointer moves on a little until the note answers.
    int nudge = 0;
    bool collapsed = WaitFor(
        [&] {
            // The X server's report of its real keyboard, which follows the pointer's entry
            // into the note, makes Wine let go of a key held through SendInput: held again.
            if (GetAsyncKeyState(VK_CONTROL) >= 0) PressKey(VK_CONTROL);
            if (nudge++ % 20 == 0) MovePointerTo(115 + nudge / 20, 108);
            return HasSize(mini, 40, 20);
        },
        3000);
    ReleaseKey(VK_CONTROL);
    EXPECT_TRUE(collapsed) << "holding Ctrl collapses the note under the pointer";

    MovePointerTo(800, 600);
    ASSERT_EQ(app.End(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].mini, 1);
    EXPECT_EQ(saved[0].width, 260);
    EXPECT_EQ(saved[0].height, 120);
}

TEST(NoteMouse, DroppedFilesLeaveTheLastAsTheNotesPictureAndAnOverLongOneIsIgnored) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("絵", 200, 200)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND note = app.NoteWindows()[0];
    ASSERT_TRUE(DropFiles(app.Id(), note, {"C:\\一.png", "C:\\二.png", "C:\\画像\\三.png"}));
    Settle();
    std::string tooLong = "C:\\" + std::string(520, 'a') + ".png";
    ASSERT_TRUE(DropFiles(app.Id(), note, {tooLong}));
    Settle();
    ASSERT_EQ(app.End(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].mediaPath, "C:\\画像\\三.png");
}

TEST(NoteMouse, PointingAtANoteThatRaisesOnHoverBringsEveryNoteBack) {
    Note raising = BoardNote("上げる", 100, 300);
    raising.raiseOnHover = 1;
    Install inst = Install::Fresh().WithBoard(
        "marnelo.txt", {raising, BoardNote("隠れた", 500, 300), BoardNote("普通", 100, 500)});
    MovePointerTo(1590, 1190);
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(3));
    HWND hidden = app.Notes()[2].window;  // sorted left to right, then top down
    ShowWindow(hidden, SW_HIDE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(hidden); }));
    // Another program in the foreground, as when the user works elsewhere.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 900, 700,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    Settle(200);
    // The foreground program answers what the switch of the foreground sends it.
    auto pumpAndCheck = [&] {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        return IsWindowVisible(hidden) != FALSE;
    };
    MovePointerTo(130, 520);  // a note that does not raise
    EXPECT_FALSE(WaitFor(pumpAndCheck, 500));
    MovePointerTo(130, 320);
    EXPECT_TRUE(WaitFor(pumpAndCheck, 3000));
    DestroyWindow(other);
}
