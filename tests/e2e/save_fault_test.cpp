// Saves under fault: a write that fails half way, a program killed while it saves, files held by
// another program and boards far larger than usual never cost a note.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <thread>

#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/menus.h"
#include "harness/ui.h"
#include "harness/wait.h"

using testing::ElementsAre;
using testing::UnorderedElementsAre;

namespace {

constexpr int kRun = 1, kMoveTo = 5;  // positions in the note menu

Note CommonNoteAt(const std::string& text, int x, int y) {
    Note note = BoardNote(text, x, y);
    note.common = 1;
    return note;
}

// A save a user can bring about without touching a note: the session-end question saves, and
// its calling-off lets the next one save again. True once the program has answered both.
bool SaveThroughSessionEnd(const Marnelo& app) {
    HWND main = app.MainWindow();
    DWORD_PTR answer = 0;
    return main &&
           SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 20000, &answer) &&
           SendMessageTimeoutA(main, WM_ENDSESSION, FALSE, 0, SMTO_NORMAL, 20000, &answer);
}

// The last note of a board once it stands at (x, y). Notes are made in file order, each new
// window on top of the others, so the top note standing there means the whole board is on
// screen; looking at that one window alone keeps the wait from slowing the load it waits for.
HWND WaitForLastNoteAt(int x, int y, int timeoutMs = 60000) {
    HWND found = nullptr;
    bool there = WaitFor(
        [&] {
            found = FindWindowExA(nullptr, nullptr, "marn", "");
            RECT rect{};
            return found && GetWindowRect(found, &rect) && rect.left == x && rect.top == y;
        },
        timeoutMs);
    return there ? found : nullptr;
}

// Moves a note of the program under test; true once the window stands there, which it only
// does while the program lives.
bool MoveNote(HWND window, int x, int y) {
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rect{};
    return GetWindowRect(window, &rect) && rect.left == x && rect.top == y;
}

std::string BoardText(const std::vector<Note>& notes) {
    std::string text;
    for (const Note& note : notes) text += RecordOf(note);
    return text;
}

}  // namespace

// Every write of a save, one after the other, fails as a full disk would: through the spy, the
// n-th call of WriteFile or MoveFileExA the program makes fails, until a save makes fewer.
TEST(SaveFault, WriteFailingAtAnyPointLeavesBoardAndCommonFileAsTheyWere) {
    // Over a megabyte: the board's temporary file is written in more than one piece.
    std::string longText;
    while (longText.size() < (3u << 19)) longText += "長い付箋の一行です。0123456789\r\n";
    Install inst = Install::Fresh()
                       .WithBoard("marnelo.txt", {BoardNote("板", 100, 400),
                                                  BoardNote(longText, 300, 400, 200, 100)})
                       .WithBoard("common.txt", {CommonNoteAt("共通", 600, 400)});
    std::string board = inst.Read("fdir\\marnelo.txt"), common = inst.Read("fdir\\common.txt");
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(3, 30000));
    for (int n = 1;; ++n) {
        // Every note one pixel further: a save that went through would change both files.
        for (HWND note : app.NoteWindows()) {
            RECT rect{};
            GetWindowRect(note, &rect);
            ASSERT_TRUE(MoveNote(note, rect.left + 1, rect.top));
        }
        ASSERT_EQ(CallSpy(app.Id(), "FailNthWrite", n), 1u) << "the spy found no import";
        ASSERT_TRUE(SaveThroughSessionEnd(app));
        std::optional<DWORD> writes = CallSpy(app.Id(), "CountedWrites");
        ASSERT_TRUE(writes.has_value());
        if (*writes < static_cast<DWORD>(n)) {
            EXPECT_GE(n, 6) << "two temporary files, one in pieces, and two moves at least";
            EXPECT_NE(inst.Read("fdir\\marnelo.txt"), board) << "the last save went through";
            EXPECT_NE(inst.Read("fdir\\common.txt"), common);
            break;
        }
        EXPECT_TRUE(inst.Read("fdir\\marnelo.txt") == board) << "write " << n << " failed";
        EXPECT_TRUE(inst.Read("fdir\\common.txt") == common) << "write " << n << " failed";
        EXPECT_THAT(inst.DataFolderOrder(), UnorderedElementsAre("marnelo.txt", "common.txt"))
            << "write " << n << " failed: no temporary file is left";
        ASSERT_LT(n, 50);
    }
    EXPECT_EQ(app.Close(), 0);
}

// How often the kill loop kills: 10 in the test run, 50 in scripts/kill-soak.sh.
int KillCount() {
    char text[16] = {};
    int kills = GetEnvironmentVariableA("MARNELO_KILLS", text, sizeof text) ? std::atoi(text) : 0;
    return kills >= 2 ? kills : 10;
}

// A board of 1 000 notes is saved over and over, its last note a pixel further each time, and
// the program is killed at moments spread over the save: half of them the moment a save's
// temporary file appears, the others at random within their own slice of the first 400 ms.
// After each kill the file holds the last save asked for or the one before, whole.
TEST(SaveFault, KilledWhileSavingLeavesTheLastOrThePreviousBoard) {
    constexpr int kNotes = 1000, kMoverY = 900;
    const int kKills = KillCount();
    std::vector<Note> notes;
    for (int i = 0; i < kNotes - 1; ++i)
        notes.push_back(
            BoardNote("付箋" + std::to_string(i), (i % 40) * 30, (i / 40) * 30, 60, 30));
    const std::string others = BoardText(notes);
    auto moverX = [](int step) { return 100 + step; };
    auto boardAt = [&](int step) {
        return others + RecordOf(BoardNote("動く付箋", moverX(step), kMoverY, 60, 30));
    };
    Install inst = Install::Fresh().WithFile("fdir\\marnelo.txt", boardAt(0));
    const std::string temporary = inst.PathOf("fdir\\marnelo.txt.tmp~");
    std::mt19937 random(GetTickCount());
    int onDisk = 0, midSave = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        Marnelo app(inst);
        HWND mover = WaitForLastNoteAt(moverX(onDisk), kMoverY);
        ASSERT_NE(mover, nullptr) << "kill " << kill << ": the board did not load whole";
        bool onTemporary = kill % 2 == 0;
        const int slices = (kKills + 1) / 2, slice = kill / 2;
        int delayMs = std::uniform_int_distribution<int>(slice * 400 / slices,
                                                         (slice + 1) * 400 / slices)(random);
        std::atomic<bool> sawTemporary{false};
        std::thread killer([&] {
            DWORD start = GetTickCount();
            auto there = [&] {
                return GetFileAttributesA(temporary.c_str()) != INVALID_FILE_ATTRIBUTES;
            };
            if (onTemporary) {
                // One left by the last kill goes with the first save; the next one is new.
                while (there() && GetTickCount() - start < 5000) std::this_thread::yield();
                while (!there() && GetTickCount() - start < 5000) std::this_thread::yield();
            } else {
                Sleep(delayMs);  // the moment of the kill, not a wait for anything
            }
            sawTemporary = there();
            app.Kill();
        });
        int asked = onDisk;  // the last save asked of a living program
        while (MoveNote(mover, moverX(asked + 1), kMoverY)) {
            ++asked;
            if (!SaveThroughSessionEnd(app)) break;
        }
        killer.join();
        ASSERT_NE(app.WaitForExit(20000), -12345) << "kill " << kill << ": the program lives on";
        midSave += sawTemporary;
        std::string saved = inst.Read("fdir\\marnelo.txt");
        if (saved == boardAt(asked)) {
            onDisk = asked;
        } else {
            ASSERT_TRUE(saved == boardAt(asked - 1))
                << "kill " << kill << ": " << saved.size() << " bytes, neither save " << asked
                << " nor the one before";
            onDisk = asked - 1;
        }
    }
    std::printf("%d of %d kills came while a temporary file was there\n", midSave, kKills);
    EXPECT_GE(midSave, kKills / 4);

    // A temporary file left by the last kill is no board and does not stop the next save.
    Marnelo app(inst);
    HWND mover = WaitForLastNoteAt(moverX(onDisk), kMoverY);
    ASSERT_NE(mover, nullptr);
    ASSERT_TRUE(MoveNote(mover, moverX(onDisk + 1), kMoverY));
    ASSERT_EQ(app.Close(30000), 0);
    EXPECT_TRUE(inst.Read("fdir\\marnelo.txt") == boardAt(onDisk + 1));
    EXPECT_THAT(inst.DataFolderOrder(), ElementsAre("marnelo.txt"));
}

// Another program holds the board and the common file without sharing while Marnelo reads or
// writes them; released, they must be as they were, and no note may have gone anywhere.
TEST(SaveFault, FilesHeldByAnotherProgramSurviveStartSwitchLoadAndMove) {
    using Names = std::vector<std::string>;
    using Hold = std::function<void(const Names&)>;  // holds these files; none: lets all go
    struct Case {
        const char* what;
        std::function<void(const Install&, const Hold&)> run;
    };
    auto answerAtStart = [](int button) {
        return [button](const Install& inst, const Hold& hold) {
            hold({"marnelo.txt", "common.txt"});
            Marnelo app(inst);
            HWND box = WaitForMessageBox(app.Id(), "メッセージ");
            ASSERT_NE(box, nullptr);
            PressButton(box, button);
            // Yes reads again, fails again and shows the default note; No shows the common
            // notes, here none.
            ASSERT_TRUE(app.WaitForTexts(button == IDYES ? Names{"付箋です。"} : Names{}));
            hold({});
            ASSERT_EQ(app.Close(), 0);
        };
    };
    const Case cases[] = {
        {"start-up, read again", answerAtStart(IDYES)},
        {"start-up, declined", answerAtStart(IDNO)},
        {"switch",
         [](const Install& inst, const Hold& hold) {
             Marnelo app(inst);
             ASSERT_TRUE(app.WaitForNotes(3));
             hold({"work.txt", "common.txt"});
             ASSERT_EQ(RunSecondCopy(inst, "work.txt"), 0);
             ASSERT_TRUE(app.WaitForTexts({"付箋です。"}));
             hold({});
             ASSERT_EQ(app.Close(), 0);
         }},
        // The common file alone is held: a held board makes the command leave every note as it
        // is, while a held common file takes its notes off the screen, which the next save must
        // not take for notes deleted.
        {"load",
         [](const Install& inst, const Hold& hold) {
             Marnelo app(inst);
             ASSERT_TRUE(app.WaitForNotes(3));
             hold({"common.txt"});
             ASSERT_TRUE(OpenNoteMenu(app, app.Notes()[0]));
             ChooseMenuPosition(kRun);  // runs the note's text
             ASSERT_TRUE(app.WaitForTexts({"load", "移す"}));
             hold({});
             ASSERT_EQ(app.Close(), 0);
         }},
        {"move",
         [](const Install& inst, const Hold& hold) {
             Marnelo app(inst);
             ASSERT_TRUE(app.WaitForNotes(3));
             hold({"work.txt", "common.txt"});
             ASSERT_TRUE(OpenNoteMenu(app, app.Notes()[1]));
             Names boards = MenuTexts(ShownMenu(app.Id()), "移動");
             auto at = std::find(boards.begin(), boards.end(), "work.txt");
             ASSERT_NE(at, boards.end());
             ChooseSubmenuPosition(kMoveTo, static_cast<int>(at - boards.begin()));
             // The menu goes before its command runs; a message sent now is answered after.
             ASSERT_TRUE(WaitFor([&] { return !WaitForShownMenu(app.Id(), 0); }, 3000));
             SendMessageTimeoutA(app.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
             EXPECT_EQ(app.NoteWindows().size(), 3u) << "the note stays";
             hold({});
             ASSERT_EQ(app.Close(), 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Install inst = Install::Fresh(c.what)
                           .WithBoard("marnelo.txt",
                                      {BoardNote("load", 100, 600), BoardNote("移す", 300, 600)})
                           .WithBoard("work.txt", {BoardNote("仕事", 100, 100)})
                           .WithBoard("common.txt", {CommonNoteAt("共通", 500, 600)});
        const std::string names[] = {"marnelo.txt", "work.txt", "common.txt"};
        std::vector<std::string> before;
        for (const std::string& name : names) before.push_back(inst.Read("fdir\\" + name));
        std::vector<std::unique_ptr<HeldFile>> held;
        c.run(inst, [&](const Names& which) {
            if (which.empty()) held.clear();
            for (const std::string& name : which) {
                held.push_back(std::make_unique<HeldFile>(inst.PathOf("fdir\\" + name)));
                EXPECT_TRUE(held.back()->Held()) << name;
            }
        });
        held.clear();
        for (std::size_t i = 0; i < before.size(); ++i)
            EXPECT_TRUE(inst.Read("fdir\\" + names[i]) == before[i]) << names[i];
        EXPECT_FALSE(inst.Exists("fdir\\old\\marnelo.txt")) << "no note was deleted";
    }
}

// Far more notes than the format was made for, and one note of megabytes: both load whole and
// a save that changed nothing writes them back byte for byte.
TEST(SaveFault, HugeBoardsAreWrittenBackByteForByte) {
    std::vector<Note> many;
    for (int i = 0; i < 1000; ++i)
        many.push_back(BoardNote("付箋" + std::to_string(i), (i % 40) * 30, (i / 40) * 30, 60, 30));
    std::string fiveMegabytes;
    while (fiveMegabytes.size() < (5u << 20))
        fiveMegabytes += "五メガの付箋、" + std::to_string(fiveMegabytes.size()) + "行目\r\n";
    struct Case {
        const char* what;
        std::vector<Note> notes;
    };
    const Case cases[] = {{"1000 notes", many},
                          {"5 MB note", {BoardNote(fiveMegabytes, 100, 400, 300, 200)}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string text = BoardText(c.notes);
        Install inst = Install::Fresh(c.what).WithFile("fdir\\marnelo.txt", text);
        MovePointerTo(1270, 1015);  // away from every note, so none expands or raises
        Marnelo app(inst);
        const Note& last = c.notes.back();
        ASSERT_NE(WaitForLastNoteAt(last.x, last.y), nullptr);
        ASSERT_EQ(app.NoteWindows().size(), c.notes.size());
        DeleteFileA(inst.PathOf("fdir\\marnelo.txt").c_str());  // what is compared was saved
        ASSERT_EQ(app.Close(30000), 0);
        std::string saved = inst.Read("fdir\\marnelo.txt");
        EXPECT_EQ(saved.size(), text.size());
        EXPECT_TRUE(saved == text);
    }
}
