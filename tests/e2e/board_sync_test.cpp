// A board kept in a folder that a sync service shares with another PC. The other PC is played
// by the test, which writes the board as such a service does: a temporary file beside it, then
// renamed over it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/click.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/ui.h"
#include "harness/wait.h"

namespace {

void WriteAsSyncService(const Install& inst, const std::string& relative,
                        const std::vector<Note>& notes) {
    std::string text;
    for (const Note& note : notes) text += RecordOf(note);
    std::string path = inst.PathOf(relative);
    std::string temporary = inst.PathOf("synced.tmp");
    HANDLE file =
        CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    // Marnelo holds the board unshared for a moment while it reads it.
    ASSERT_TRUE(WaitFor(
        [&] {
            return MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
        },
        3000));
}

Note CommonNote(const std::string& text, int x, int y) {
    Note note = BoardNote(text, x, y);
    note.common = 1;
    return note;
}

bool ShownAt(const Marnelo& app, const std::string& text, int left, int top) {
    std::vector<NoteView> shown = app.Notes();
    const NoteView* view = NoteWithText(shown, text);
    return view && view->rect.left == left && view->rect.top == top;
}

std::vector<std::string> ConflictFiles(const Install& inst) {
    std::vector<std::string> found;
    for (const std::string& name : inst.DataFolderOrder())
        if (name.find("競合") != std::string::npos) found.push_back(name);
    return found;
}

}  // namespace

TEST(BoardSync, NotesAddedAndMovedElsewhereShowWithoutARestart) {
    Install inst = Install::Fresh().WithBoard(
        "marnelo.txt", {BoardNote("ここ", 200, 200), BoardNote("消える", 400, 200)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));

    WriteAsSyncService(inst, "fdir\\marnelo.txt",
                       {BoardNote("ここ", 260, 300), BoardNote("よそ", 600, 200)});
    EXPECT_TRUE(app.WaitForTexts({"ここ", "よそ"}));
    EXPECT_TRUE(WaitFor([&] { return ShownAt(app, "ここ", 260, 300); }, 3000));

    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.BoardTexts("fdir\\marnelo.txt"), (std::vector<std::string>{"ここ", "よそ"}));
    EXPECT_NE(inst.Read("fdir\\old\\marnelo.txt").find("消える"), std::string::npos)
        << "a note deleted elsewhere is kept as any deleted note";
}

TEST(BoardSync, ANoteDraggedHereAndOneAddedElsewhereBothReachTheBoard) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("動かす", 200, 200)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND note = app.NoteWindows()[0];
    ASSERT_TRUE(SettledOnScreen(note));
    ASSERT_TRUE(PlacePointerAt(250, 230));
    PressLeftButton();
    for (int i = 1; i <= 4; ++i) {
        Sleep(80);
        MovePointerTo(250 + 10 * i, 230);
    }
    Sleep(80);
    ReleaseLeftButton();
    ASSERT_TRUE(WaitFor([&] { return RectOf(note).left == 240; }, 3000));

    WriteAsSyncService(inst, "fdir\\marnelo.txt",
                       {BoardNote("動かす", 200, 200), BoardNote("よそ", 600, 200)});
    ASSERT_EQ(app.End(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].text, "動かす");
    EXPECT_EQ(saved[0].x, 240) << "the drag here stays";
    EXPECT_EQ(saved[1].text, "よそ");
}

TEST(BoardSync, ANoteEditedOnBothSidesLeavesBothTextsOnDisk) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("元", 200, 200)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND note = app.NoteWindows()[0];
    ASSERT_TRUE(SettledOnScreen(note));
    HoldNote(note, {250, 230}, 900);
    HWND dialog = WaitForMessageBox(app.Id(), "Edit");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(SettledOnScreen(dialog));
    SendMessageA(GetDlgItem(dialog, 1001), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ここで直した"));
    // The other PC's edit arrives while the dialog is open: the merge waits for it to close.
    WriteAsSyncService(inst, "fdir\\marnelo.txt", {BoardNote("よそで直した", 200, 200)});
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    EXPECT_TRUE(app.WaitForTexts({"ここで直した"}));

    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.BoardTexts("fdir\\marnelo.txt"), std::vector<std::string>{"ここで直した"});
    std::vector<std::string> conflicts = ConflictFiles(inst);
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(conflicts[0].rfind("marnelo_競合_", 0), 0u) << conflicts[0];
    EXPECT_EQ(inst.BoardTexts("fdir\\" + conflicts[0]), std::vector<std::string>{"よそで直した"});
}

TEST(BoardSync, ABoardReplacedByAnEmptyFileForAMomentLosesNothing) {
    Install inst =
        Install::Fresh()
            .WithBoard("marnelo.txt", {BoardNote("一", 200, 200), BoardNote("二", 400, 200)})
            .WithBoard("common.txt", {CommonNote("共通", 600, 200)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(3));

    WriteAsSyncService(inst, "fdir\\marnelo.txt", {});
    // A change of the common file shows once Marnelo has looked at both files again.
    WriteAsSyncService(inst, "fdir\\common.txt",
                       {CommonNote("共通", 600, 200), CommonNote("共通二", 800, 200)});
    EXPECT_TRUE(app.WaitForTexts({"一", "二", "共通", "共通二"}));

    // Still empty at the end: the save waits a moment, then writes this PC's notes.
    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.BoardTexts("fdir\\marnelo.txt"), (std::vector<std::string>{"一", "二"}));
    EXPECT_EQ(inst.BoardTexts("fdir\\common.txt"), (std::vector<std::string>{"共通", "共通二"}));
}
