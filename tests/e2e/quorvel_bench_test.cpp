// The time from a key release in the input line to a rebuilt list view of 10 000 note rows.
// A measurement, not a test: run it by hand with --gtest_also_run_disabled_tests.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include <gtest/gtest.h>

#include "harness/install.h"
#include "harness/quorvel.h"
#include "harness/ui.h"
#include "harness/wait.h"

namespace {

int RowCount(HWND listView) {
    DWORD_PTR count = 0;
    SendMessageTimeoutA(listView, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 30000, &count);
    return static_cast<int>(count);
}

// Milliseconds from the key's release to the list view showing `rows` rows again.
double TimeKey(HWND listView, WORD key, int rows) {
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    PressKey(key);
    Sleep(200);  // the key down's own work is not part of the figure
    QueryPerformanceCounter(&start);
    ReleaseKey(key);
    WaitFor([&] { return RowCount(listView) == rows && IsWindowVisible(listView); }, 60000);
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

TEST(QuorvelBench, DISABLED_KeyReleaseToTenThousandRows) {
    std::vector<Note> notes;
    for (int i = 0; i < 5000; ++i) {
        Note note;
        note.text = "note " + std::to_string(i) + (i % 2 ? " odd 買い物" : " even 会議");
        note.command = "C:\\tools\\app" + std::to_string(i) + ".exe";
        notes.push_back(note);
    }
    Install inst = Install::Fresh();
    inst.WithBoard("bench.txt", notes);
    Quorvel app(inst);
    ASSERT_TRUE(app.WaitForControls());
    QuorvelControls c = app.Controls();
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == app.MainWindow(); }));
    TypeKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return RowCount(c.listView) >= 10000; }, 60000));
    int all = RowCount(c.listView);
    EXPECT_GE(all, 10000) << "the notes and the drives";
    for (int round = 0; round < 3; ++round) {
        // "od" and a "d" leave the 2 500 odd notes; "b" alone matches every joined row.
        SetWindowTextA(c.inputLine, "od");
        SendMessageA(c.inputLine, EM_SETSEL, 2, 2);
        double toQuarter = TimeKey(c.listView, 'D', 2500);
        SetWindowTextA(c.inputLine, "");
        double toAll = TimeKey(c.listView, 'B', 10000);
        std::printf("round %d: key release to 2500 rows %.0f ms, to 10000 rows %.0f ms\n", round,
                    toQuarter, toAll);
    }
    app.Kill();
}

}  // namespace
