// Notes on the screens a user has: scaled for a high-DPI screen while the board keeps 96-DPI
// units, and always within reach when their place lies on no screen.
#include <gtest/gtest.h>

#include <string>

#include "harness/click.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/ui.h"
#include "harness/wait.h"

namespace {

// Rows of the note showing text, away from its rounded corners.
int TextRows(const NoteView& view, int corner) {
    RECT inner = view.rect;
    inner.left += corner;
    inner.right -= corner;
    return InkRows(inner, RGB(255, 255, 255));
}

}  // namespace

TEST(Screens, AtTwiceTheDpiANoteIsTwiceAsLargeAndItsRecordStaysAsItWas) {
    Note note = BoardNote("高ＤＰＩ", 100, 200, 150, 40);
    note.fontSize = 12;
    note.borderless = 1;
    std::string record = RecordOf(note);
    Install inst = Install::Fresh().WithFile("fdir\\marnelo.txt", record);

    int rowsAt96 = 0;
    {
        Marnelo app(inst);
        ASSERT_TRUE(app.WaitForNotes(1));
        NoteView view = app.Notes()[0];
        ASSERT_TRUE(SettledOnScreen(view.window));
        EXPECT_EQ(view.width(), 150);
        rowsAt96 = TextRows(view, 10);
        EXPECT_EQ(app.End(), 0);
    }
    ASSERT_GT(rowsAt96, 4);

    TestScreenDpi dpi;
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    NoteView view = app.Notes()[0];
    ASSERT_TRUE(SettledOnScreen(view.window));
    EXPECT_EQ(view.rect.left, 200);
    EXPECT_EQ(view.rect.top, 400);
    EXPECT_EQ(view.width(), 300);
    EXPECT_EQ(view.height(), 80);
    int rowsAt192 = TextRows(view, 20);
    EXPECT_GE(rowsAt192, 2 * rowsAt96 - 2) << "at 96: " << rowsAt96;
    EXPECT_LE(rowsAt192, 2 * rowsAt96 + 2) << "at 96: " << rowsAt96;

    // A click on a note without command opens its Edit dialog, whose buttons must be on screen.
    HWND dialog = nullptr;
    ClickNote(view, When("Edit dialog",
                         [&] { return (dialog = WaitForDialog(app.Id(), 0)) != nullptr; }));
    ASSERT_NE(dialog, nullptr);
    RECT screen{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    RECT box = RectOf(dialog), ok = RectOf(GetDlgItem(dialog, IDOK));
    EXPECT_GE(box.left, screen.left);
    EXPECT_GE(box.top, screen.top);
    EXPECT_LE(box.right, screen.right);
    EXPECT_LE(box.bottom, screen.bottom);
    EXPECT_LT(ok.top, ok.bottom);
    EXPECT_LE(ok.bottom, box.bottom);
    PressButton(dialog, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));

    EXPECT_EQ(app.End(), 0);
    EXPECT_EQ(inst.Read("fdir\\marnelo.txt"), record);
}

TEST(Screens, NotesPlacedOnNoScreenAreShownWithinReachAndKeepTheirPlace) {
    RECT screen{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    auto copyNote = [](const std::string& text, int x, int y) {
        Note note = BoardNote(text, x, y, 120, 60);
        note.command = text + "を写す";
        note.runType = kRunTypeCopy;
        return note;
    };
    std::vector<Note> board = {copyNote("右", 5000, 300), copyNote("下", 400, 9000),
                               copyNote("左", -700, 500), copyNote("端", screen.right - 60, 700)};
    // A click time that a busy machine does not turn into a long press.
    Install inst =
        Install::Fresh().WithSettings("[window]\r\ntime=1000\r\n").WithBoard("marnelo.txt", board);
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(4));
    std::vector<NoteView> views = app.Notes();
    struct Expected {
        const char* text;
        LONG left, top;
    };
    const Expected expected[] = {{"右", screen.right - 120, 300},
                                 {"下", 400, screen.bottom - 60},
                                 {"左", screen.left, 500},
                                 {"端", screen.right - 60, 700}};  // partly on: stays
    for (const Expected& e : expected) {
        const NoteView* view = NoteWithText(views, e.text);
        ASSERT_NE(view, nullptr) << e.text;
        EXPECT_EQ(view->rect.left, e.left) << e.text;
        EXPECT_EQ(view->rect.top, e.top) << e.text;
        ASSERT_TRUE(SettledOnScreen(view->window)) << e.text;
        std::string copied = std::string(e.text) + "を写す";
        EXPECT_NE(ClickNote(*view, When("copied", [&] { return ClipboardText() == copied; })), "")
            << e.text;
    }
    // Shown elsewhere for now, each note keeps the place it has on the screen it was put on.
    EXPECT_EQ(app.End(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), board.size());
    for (std::size_t i = 0; i < board.size(); ++i) {
        EXPECT_EQ(saved[i].x, board[i].x) << board[i].text;
        EXPECT_EQ(saved[i].y, board[i].y) << board[i].text;
    }
}
