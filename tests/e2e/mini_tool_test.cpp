// The mini tool from the main menu: picking and pasting sizes and colours with real clicks on
// notes, random colours, its list, button and check box, and the save and reload when it
// closes; the kind and the picked values come back at the next start.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "harness/click.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/menus.h"
#include "harness/ui.h"
#include "harness/wait.h"
#include "launcher/resources/resource.h"

namespace {

// "ミニツール" from the tray icon's menu; the tool, or nullptr.
HWND OpenMiniTool(const Marnelo& app) {
    MovePointerTo(700, 1000);
    PostMessageA(app.MainWindow(), MSG_TRAY, TRAY_ICON_ID, WM_RBUTTONUP);
    if (!WaitForShownMenu(app.Id())) return nullptr;
    std::vector<std::string> items = MenuTexts(ShownMenu(app.Id()));
    auto item = std::find(items.begin(), items.end(), "ミニツール");
    if (item == items.end()) return nullptr;
    ChooseMenuPosition(static_cast<int>(item - items.begin()));
    return WaitForMessageBox(app.Id(), "ミニツール");
}

std::string Item(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id));
}

bool Checked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// As a pick from the list does: the selection, then the notification.
void ChooseKind(HWND dialog, int kind) {
    HWND list = GetDlgItem(dialog, IDC_KIND);
    SendMessageA(list, CB_SETCURSEL, kind, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_KIND, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void ClickControl(HWND dialog, int id) {
    RECT r = RectOf(GetDlgItem(dialog, id));
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// A press at (x, y) that moves the pointer `dx` to the right before its release.
void DragBy(int x, int y, int dx) {
    MovePointerTo(x, y);
    Settle(100);
    PressLeftButton();
    for (int step = 1; step <= 4; ++step) {
        Sleep(80);
        MovePointerTo(x + dx * step / 4, y);
    }
    Sleep(80);
    ReleaseLeftButton();
}

bool ButtonReads(HWND dialog, const std::string& text) {
    return WaitFor([&] { return Item(dialog, IDOK) == text; }, 3000);
}

// A point of the note's client area that no other window covers (the system's own tray
// window may lie over the screen's top left corner).
POINT VisiblePointOf(HWND note) {
    RECT r{};
    GetClientRect(note, &r);
    MapWindowPoints(note, nullptr, reinterpret_cast<POINT*>(&r), 2);
    for (int y = r.top + 2; y < r.bottom - 2; y += 2)
        for (int x = r.left + 2; x < r.right - 2; x += 4) {
            HWND seen = WindowFromPoint({x, y});
            if (seen == note || GetParent(seen) == note) return {x, y};
        }
    return {r.left + 2, r.top + 2};
}

// Closing the tool hands the board to a second copy, which makes the running one save it and
// make every note window anew.
bool ClosesAndReloads(const Marnelo& app, HWND dialog, HWND anyNote, std::size_t count) {
    ClickControl(dialog, IDCANCEL);
    return WaitFor([&] { return !IsWindow(dialog) && !IsWindow(anyNote); }, 15000) &&
           app.WaitForNotes(count);
}

bool Near(COLORREF seen, int red, int green, int blue) {
    auto within = [](int a, int b) { return a - b < 3 && b - a < 3; };
    return within(GetRValue(seen), red) && within(GetGValue(seen), green) &&
           within(GetBValue(seen), blue);
}

// The client area of a framed note less its frame and rounded corners shows only `colour`
// and the ink of its text.
bool ShowsBackground(HWND note, int red, int green, int blue, int oldRed, int oldGreen, int oldBlue,
                     int timeoutMs = 3000) {
    return WaitFor(
        [&] {
            RECT r = RectOf(note);
            InflateRect(&r, -8, -8);
            std::vector<DWORD> pixels = ScreenPixels(r);
            int background = 0;
            for (DWORD p : pixels) {
                COLORREF seen = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
                if (Near(seen, oldRed, oldGreen, oldBlue)) return false;
                background += Near(seen, red, green, blue);
            }
            return background > static_cast<int>(pixels.size()) / 2;
        },
        timeoutMs);
}

// A paste in tool mode, seen as the note's new place and size.
Outcome Placed(HWND note, int left, int top, int width, int height) {
    return When("placed", [=] {
        RECT r = RectOf(note);
        return r.left == left && r.top == top && r.right - r.left == width &&
               r.bottom - r.top == height;
    });
}

// A random colour pasted: the note no longer shows the pixels it showed.
Outcome InkChanges(HWND note) {
    RECT r = RectOf(note);
    InflateRect(&r, -8, -8);
    return When("new colours", [r, before = ScreenPixels(r)] { return ScreenPixels(r) != before; });
}

}  // namespace

TEST(MiniTool, WidthPickedPastedOntoSeveralNotesSavedAtCloseAndKeptForTheNextStart) {
    Note source = BoardNote("幅の元", 200, 300, 120, 60);
    source.command = "押すと写る";
    source.runType = 1;
    Note mini = BoardNote("ミニ", 700, 800, 200, 100);
    mini.mini = 1, mini.miniWidth = 40, mini.miniHeight = 20;
    Install inst = Install::Fresh().WithBoard(
        "marnelo.txt", {source, BoardNote("一", 10, 100, 80, 40), BoardNote("二", 200, 650, 80, 40),
                        BoardNote("三", 400, 650, 80, 40), mini});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(5));
    std::vector<HWND> windows;
    for (const NoteView& view : app.Notes()) windows.push_back(view.window);
    // Sorted by place: (10, 100), (200, 300), (200, 650), (400, 650), (700, 800).
    HWND first = windows[0], picked = windows[1], miniNote = windows[4];

    HWND tool = OpenMiniTool(app);
    ASSERT_NE(tool, nullptr);
    EXPECT_TRUE(GetWindowLongA(tool, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(Item(tool, IDC_KIND), "背景色+文字色");
    // Each entry as the list shows it when chosen (its text is not handed across processes).
    std::vector<std::string> kinds;
    HWND list = GetDlgItem(tool, IDC_KIND);
    for (int i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
        SendMessageA(list, CB_SETCURSEL, i, 0);
        kinds.push_back(Item(tool, IDC_KIND));
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"背景色+文字色", "背景色", "文字色", "X座標",
                                               "Y座標", "幅", "高さ", "文字の大きさ"}));
    EXPECT_EQ(Item(tool, IDOK), "属性コピー");
    EXPECT_TRUE(Enabled(tool, IDC_RANDOM_COLOUR));

    ChooseKind(tool, 5);
    EXPECT_FALSE(Enabled(tool, IDC_RANDOM_COLOUR));
    // A press dragged across the note neither moves nor runs it: it picks.
    SetClipboardText("前から");
    DragBy(250, 330, 40);
    EXPECT_TRUE(ButtonReads(tool, "属性貼り付け"));
    EXPECT_EQ(Item(tool, IDC_PICKED_VALUE), "120");
    EXPECT_TRUE(HasRect(picked, 200, 300, 120, 60));
    EXPECT_EQ(ClipboardText(), "前から");

    POINT inFirst = VisiblePointOf(first);
    EXPECT_NE(ClickNote(first, inFirst, Placed(first, 10, 100, 120, 40), NoteMode::Tool), "");
    EXPECT_NE(
        ClickNote(windows[2], {240, 670}, Placed(windows[2], 200, 650, 120, 40), NoteMode::Tool),
        "");
    EXPECT_NE(
        ClickNote(windows[3], {440, 670}, Placed(windows[3], 400, 650, 120, 40), NoteMode::Tool),
        "");
    EXPECT_EQ(Item(tool, IDOK), "属性貼り付け") << "the mode stays paste";
    // Mini notes stay small under the pointer while the tool is open.
    MovePointerTo(710, 810);
    Settle();
    EXPECT_TRUE(HasRect(miniNote, 700, 800, 40, 20));
    SaveWindowPicture(GetDesktopWindow(), inst.PathOf("mini-tool.bmp"));

    ASSERT_TRUE(ClosesAndReloads(app, tool, first, 5));
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 5u);
    EXPECT_EQ(saved[0].width, 120);
    EXPECT_EQ(saved[1].width, 120);
    EXPECT_EQ(saved[1].height, 40);
    EXPECT_EQ(saved[1].x, 10);
    EXPECT_EQ(saved[2].width, 120);
    EXPECT_EQ(saved[3].width, 120);
    std::string ini = inst.Read("Marnelo.ini");
    EXPECT_NE(ini.find("cmbstate2=5"), std::string::npos) << ini;
    EXPECT_NE(ini.find("cmbstate3=120"), std::string::npos) << ini;
    // With the tool closed a press drags the note again.
    DragBy(250, 330, 40);
    EXPECT_TRUE(WaitFor(
        [&] {
            for (const NoteView& view : app.Notes())
                if (view.text == "幅の元") return view.rect.left == 240 && view.rect.top == 300;
            return false;
        },
        3000));
    ASSERT_EQ(app.End(), 0);

    Marnelo again(inst);
    ASSERT_TRUE(again.WaitForNotes(5));
    tool = OpenMiniTool(again);
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(Item(tool, IDC_KIND), "幅");
    EXPECT_FALSE(Enabled(tool, IDC_RANDOM_COLOUR));
    EXPECT_EQ(Item(tool, IDC_PICKED_VALUE), "120");
    ASSERT_TRUE(ClosesAndReloads(again, tool, again.NoteWindows()[0], 5));
    ASSERT_EQ(again.End(), 0);
}

TEST(MiniTool, ColoursPickedPastedAndRandomAndTheRightClickClosesTheTool) {
    Note from = BoardNote("元の色", 200, 250, 160, 80);
    from.backRed = 10, from.backGreen = 20, from.backBlue = 30;
    from.backColor = 12;
    Note to = BoardNote("塗られる", 420, 250, 160, 80);  // white
    Note r1 = BoardNote("乱一", 200, 700, 120, 60), r2 = BoardNote("乱二", 420, 700, 120, 60);
    r1.textColor = r2.textColor = 3;
    r1.backRed = 1, r1.backGreen = 2, r1.backBlue = 3;
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {from, to, r1, r2});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(4));
    std::vector<NoteView> views = app.Notes();  // (200, 250), (200, 700), (420, 250), (420, 700)
    HWND toNote = views[2].window;
    ASSERT_TRUE(ShowsBackground(toNote, 255, 255, 255, 10, 20, 30));

    HWND tool = OpenMiniTool(app);
    ASSERT_NE(tool, nullptr);
    ChooseKind(tool, 1);
    ASSERT_NE(ClickNote(views[0].window, {240, 270},
                        When("picked", [&] { return Item(tool, IDOK) == "属性貼り付け"; }),
                        NoteMode::Tool),
              "");
    EXPECT_EQ(Item(tool, IDC_PICKED_VALUE), "12");
    // The note's background and the text control's background around the text.
    EXPECT_NE(ClickNote(toNote, {460, 270},
                        When("painted",
                             [&] { return ShowsBackground(toNote, 10, 20, 30, 255, 255, 255, 0); }),
                        NoteMode::Tool),
              "");

    ChooseKind(tool, 2);
    ClickControl(tool, IDC_RANDOM_COLOUR);
    ASSERT_TRUE(ButtonReads(tool, "ランダムカラー　"));
    // Two random pastes within one second; a pair that met a new second is painted again.
    bool sameSecond = false;
    for (int attempt = 0; attempt < 5 && !sameSecond; ++attempt) {
        std::time_t start = std::time(nullptr);
        WaitFor([&] { return std::time(nullptr) != start; }, 2000);
        start = std::time(nullptr);
        ClickNote(views[1].window, {240, 720}, InkChanges(views[1].window), NoteMode::Tool);
        ClickNote(views[3].window, {460, 720}, InkChanges(views[3].window), NoteMode::Tool);
        sameSecond = std::time(nullptr) == start;
    }
    ASSERT_TRUE(sameSecond);

    ChooseKind(tool, 3);
    EXPECT_FALSE(Checked(tool, IDC_RANDOM_COLOUR));
    EXPECT_FALSE(Enabled(tool, IDC_RANDOM_COLOUR));
    EXPECT_EQ(Item(tool, IDOK), "属性コピー");

    ASSERT_TRUE(ClosesAndReloads(app, tool, toNote, 4));
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 4u);
    EXPECT_EQ(std::tie(saved[1].backColor, saved[1].backRed, saved[1].backGreen, saved[1].backBlue),
              std::make_tuple(12, 10, 20, 30));
    const Note &a = saved[2], &b = saved[3];
    EXPECT_EQ(std::tie(a.textRed, a.textGreen, a.textBlue),
              std::tie(b.textRed, b.textGreen, b.textBlue));
    for (int component : {a.textRed, a.textGreen, a.textBlue})
        EXPECT_TRUE(component >= 0 && component <= 254) << component;
    EXPECT_EQ(std::tie(a.textColor, a.backColor, a.backRed, a.backGreen, a.backBlue),
              std::make_tuple(3, 11, 1, 2, 3))
        << "only the text components change";
    EXPECT_EQ(std::tie(b.textColor, b.backRed), std::make_tuple(3, -1));

    // A right click on a note closes the tool before its menu shows.
    tool = OpenMiniTool(app);
    ASSERT_NE(tool, nullptr);
    HWND anyNote = app.NoteWindows()[0];
    MovePointerTo(240, 720);
    Settle(100);
    PressRightButton();
    ReleaseRightButton();
    ASSERT_TRUE(WaitForShownMenu(app.Id()));
    EXPECT_FALSE(IsWindowVisible(tool));
    TypeKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(tool) && !IsWindow(anyNote); }, 15000));
    ASSERT_TRUE(app.WaitForNotes(4));
    ASSERT_EQ(app.End(), 0);
}
