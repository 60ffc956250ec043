// The clock note and the minute's work of the background thread: the time shown at once and
// after each minute change, topmost notes raised again, a forgotten expanded mini note folded.
#include <gtest/gtest.h>

#include "common/date_stamp.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/menus.h"
#include "harness/ui.h"
#include "harness/wait.h"
#include "launcher/model/clock_text.h"
#include "launcher/resources/messages.h"

namespace {

Note ClockNote(int x, int y) {
    Note note = BoardNote("時計", x, y, 220, 40);
    note.command = "tokei";
    return note;
}

std::string TextOf(HWND note) {
    return InspectNote(note).text;
}

// Waits while answering the test's own window, which the system may ask things meanwhile.
bool PumpingWaitFor(const std::function<bool()>& condition, int timeoutMs) {
    return WaitFor(
        [&] {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            return condition();
        },
        timeoutMs);
}

HWND RootAt(int x, int y) {
    return GetAncestor(WindowFromPoint({x, y}), GA_ROOT);
}

bool HasSize(HWND window, int width, int height) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.right - r.left == width && r.bottom - r.top == height;
}

}  // namespace

TEST(ClockNote, ShowsTheDateAndTimeRightAfterTheStart) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {ClockNote(200, 400)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND clock = app.NoteWindows()[0];
    // A start in minute 0 shows the time only at the next minute's message: post it now.
    if (LocalNow().minute == 0) PostMessageA(app.MainWindow(), MSG_CLOCK_TICK, 1, 0);
    EXPECT_TRUE(WaitFor([&] { return TextOf(clock) == ClockText(LocalNow()); }, 2000))
        << "shows " << TextOf(clock) << " at " << ClockText(LocalNow());
    ASSERT_EQ(app.End(), 0);
}

TEST(ClockNote, AtTheMinuteChangeTopmostNotesRiseAndAForgottenMiniNoteFolds) {
    Note topmost = BoardNote("最前面", 500, 500, 150, 80);
    topmost.topmost = 1;
    // Its own mini size is larger than the settings' box of 40 by 20 that decides.
    Note mini = BoardNote("ミニ", 800, 500, 200, 100);
    mini.mini = 1;
    mini.miniWidth = 150;
    mini.miniHeight = 80;
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {ClockNote(200, 300), topmost, mini});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(3));
    std::vector<NoteView> views = app.Notes();  // clock, topmost, mini: left to right
    HWND clock = views[0].window, high = views[1].window, folded = views[2].window;
    PostMessageA(app.MainWindow(), MSG_CLOCK_TICK, 1, 0);
    ASSERT_TRUE(WaitFor([&] { return TextOf(clock) != "時計"; }, 3000));

    // Another program's always-on-top window covers the topmost note (a static answers the
    // pointer only with SS_NOTIFY).
    HWND cover = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "",
                                 WS_POPUP | WS_VISIBLE | SS_NOTIFY, 480, 480, 200, 120, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_TRUE(cover);
    ASSERT_TRUE(PumpingWaitFor([&] { return RootAt(575, 540) == cover; }, 3000));

    // Point at the mini note, then rest inside its own mini size but outside the box.
    MovePointerTo(810, 505);
    ASSERT_TRUE(PumpingWaitFor([&] { return HasSize(folded, 200, 100); }, 3000));
    MovePointerTo(900, 550);
    PumpingWaitFor([] { return false; }, 500);
    ASSERT_TRUE(HasSize(folded, 200, 100)) << "moving on the expanded note keeps it open";

    // Whatever the clock shows now is replaced at the minute's message, as the clock thread posts
    // it after a minute change, without waiting for the minute.
    HWND label = FindWindowExA(clock, nullptr, "STATIC", nullptr);
    ASSERT_TRUE(label);
    SendMessageA(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("--"));
    ASSERT_EQ(TextOf(clock), "--");
    PostMessageA(app.MainWindow(), MSG_CLOCK_TICK, 1, 0);
    ASSERT_TRUE(PumpingWaitFor([&] { return TextOf(clock) != "--"; }, 3000))
        << "the clock did not change";
    EXPECT_EQ(TextOf(clock), ClockText(LocalNow()));
    EXPECT_TRUE(PumpingWaitFor([&] { return RootAt(575, 540) == high; }, 3000))
        << "the topmost note was not raised again";
    EXPECT_TRUE(PumpingWaitFor([&] { return HasSize(folded, 150, 80); }, 3000))
        << "the mini note stayed open";
    DestroyWindow(cover);
    ASSERT_EQ(app.End(), 0);
}

TEST(ClockNote, WhenTheLaterOfTwoClockNotesGoesTheOtherKeepsTheTime) {
    Install inst =
        Install::Fresh().WithBoard("marnelo.txt", {ClockNote(200, 400), ClockNote(500, 400)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    std::vector<NoteView> views = app.Notes();
    HWND earlier = views[0].window, later = views[1].window;
    PostMessageA(app.MainWindow(), MSG_CLOCK_TICK, 1, 0);
    ASSERT_TRUE(WaitFor([&] { return TextOf(later) != "時計"; }, 3000));
    ASSERT_TRUE(OpenNoteMenu(app, views[1]));
    ChooseMenuPosition(kNoteMenuDelete);
    ASSERT_TRUE(WaitFor([&] { return app.NoteWindows().size() == 1; }));
    // The minute's message as the clock thread posts it, without waiting for the minute.
    PostMessageA(app.MainWindow(), MSG_CLOCK_TICK, 1, 0);
    EXPECT_TRUE(WaitFor([&] { return TextOf(earlier) == ClockText(LocalNow()); }, 3000))
        << "shows " << TextOf(earlier);
    ASSERT_EQ(app.End(), 0);
}
