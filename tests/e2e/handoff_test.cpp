// A second start hands its argument to the running copy and ends with 0.
#include <gtest/gtest.h>

#include <optional>

#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/ui.h"
#include "harness/wait.h"
#include "launcher/resources/resource.h"

namespace {

Install BoardWithOneNote() {
    Note note;
    note.text = "元の付箋";
    note.x = 400;
    note.y = 300;
    return Install::Fresh().WithBoard("marnelo.txt", {note});
}

// The note that is not the board's own, as a copy: the views are read anew at each call.
std::optional<NoteView> NewNote(const Marnelo& app) {
    for (const NoteView& v : app.Notes())
        if (v.text != "元の付箋") return v;
    return std::nullopt;
}

}  // namespace

TEST(Handoff, EndClosesTheRunningCopy) {
    Install inst = BoardWithOneNote();
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_TRUE(app.WaitForMainWindow());
    EXPECT_EQ(RunSecondCopy(inst, "end"), 0);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(inst.Board("fdir\\marnelo.txt").size(), 1u) << "ending leaves the board as it was";
}

TEST(Handoff, ClipbMakesAClipboardNoteFromTheClipboardText) {
    Install inst = BoardWithOneNote();
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    SetClipboardText("写し\r\nです");
    EXPECT_EQ(RunSecondCopy(inst, "clipb"), 0);
    // Both windows count as notes only while their titles are empty: the hand-off left none.
    ASSERT_TRUE(app.WaitForNotes(2));
    std::optional<NoteView> note = NewNote(app);
    ASSERT_TRUE(note.has_value());
    EXPECT_EQ(note->text, "写し\r\nです");
    EXPECT_EQ(note->rect.top, 0);
    EXPECT_EQ(note->width(), 40) << "shown at the default mini size";
    EXPECT_EQ(note->height(), 20);
    EXPECT_TRUE(note->topmost);
    EXPECT_EQ(note->textStyle & SS_TYPEMASK, static_cast<DWORD>(SS_LEFT));
    EXPECT_TRUE(app.Running());
}

TEST(Handoff, ExecMakesACentredRunNote) {
    Install inst = BoardWithOneNote().WithSettings("[window]\r\nDefaultX=60\r\nDefaultY=30\r\n");
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    SetClipboardText("notepad");
    EXPECT_EQ(RunSecondCopy(inst, "exec"), 0);
    ASSERT_TRUE(app.WaitForNotes(2));
    std::optional<NoteView> note = NewNote(app);
    ASSERT_TRUE(note.has_value());
    EXPECT_EQ(note->text, "notepad");
    EXPECT_EQ(note->width(), 60);
    EXPECT_EQ(note->height(), 30);
    EXPECT_TRUE(note->topmost);
    EXPECT_EQ(note->textStyle & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER));
}

TEST(Handoff, ClipbWithEmptyClipboardMakesThePlainNote) {
    Install inst = BoardWithOneNote();
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    SetClipboardText("");
    EXPECT_EQ(RunSecondCopy(inst, "clipb"), 0);
    ASSERT_TRUE(app.WaitForNotes(2));
    std::optional<NoteView> note = NewNote(app);
    ASSERT_TRUE(note.has_value());
    EXPECT_EQ(note->text, "付箋です。");
    EXPECT_EQ(note->width(), 90);
    EXPECT_EQ(note->height(), 50);
}

TEST(Handoff, StartWithoutArgumentRaisesTheNotesAndLoadsNothing) {
    Install inst = BoardWithOneNote();
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND note = app.NoteWindows()[0];
    ShowWindow(note, SW_HIDE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(note); }));
    EXPECT_EQ(RunSecondCopy(inst, ""), 0);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(note); })) << "shown normally again";
    ASSERT_TRUE(app.WaitForNotes(1)) << "the title was cleared and no note was added";
    EXPECT_EQ(app.Notes()[0].text, "元の付箋");
    EXPECT_TRUE(app.Running());
}

TEST(Handoff, SecondStartWithoutRunningNotesIsDropped) {
    // While the running copy asks whether to read its held board again it shows no note yet, so
    // the hand-off finds no window. (Declined, the board then shows a note to reach.)
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {Note{}});
    HeldFile held(inst.PathOf("fdir\\marnelo.txt"));
    Marnelo app(inst);
    HWND box = WaitForMessageBox(app.Id(), "メッセージ");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(app.NoteWindows().empty());
    EXPECT_EQ(RunSecondCopy(inst, "end"), 0);
    PressButton(box, IDNO);
    held.Release();
    EXPECT_TRUE(app.WaitForNotes(1)) << "the request was taken: the program ended";
    EXPECT_TRUE(app.Running());
}

TEST(Handoff, LeftPressOnTheTrayIconBringsTheNotesBack) {
    Install inst = BoardWithOneNote();
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND note = app.NoteWindows()[0];
    ShowWindow(note, SW_HIDE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(note); }));
    PostMessageA(app.MainWindow(), MSG_TRAY, TRAY_ICON_ID,
                 WM_MOUSEMOVE);  // other mouse messages: nothing
    Settle();
    EXPECT_FALSE(IsWindowVisible(note));
    SendMessageA(app.MainWindow(), MSG_TRAY, TRAY_ICON_ID, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(note); }));
    ShowWindow(note, SW_HIDE);
    SendMessageA(app.MainWindow(), MSG_TRAY, 1, WM_LBUTTONDOWN);  // another icon's id is not ours
    Settle();
    EXPECT_FALSE(IsWindowVisible(note));
}
