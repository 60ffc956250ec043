// How a board's records look on screen: one window per record, placed, sized, translucent,
// topmost and coloured as stored, in every record layout the files may hold.
#include <gtest/gtest.h>

#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/wait.h"

namespace {

// Fields after the text and the command, TAB-joined, CR LF ended.
std::string Line(const std::string& text, const std::vector<std::string>& fields) {
    std::vector<std::string> all = {text, ""};
    all.insert(all.end(), fields.begin(), fields.end());
    return RecordLine(all);
}

}  // namespace

TEST(NoteLook, EveryRecordLayoutShowsItsWindow) {
    std::string board =
        // 10 fields: x y height width media font trans topmost back text
        Line("十欄", {"10", "100", "40", "80", "", "12", "80", "1", "12", "0"}) +
        // 12 fields: no layout, skipped; the lines after it still load
        Line("欠け", {"1", "1", "40", "80", "", "12", "100", "0", "11", "0", "0", "0"}) +
        // 15 fields: run type, align, common, mini; the 15th is ignored, mini size from settings
        Line("十五欄", {"150", "100", "50", "100", "", "12", "100", "0", "11", "0", "0", "1", "0",
                        "1", "77"}) +
        // 19 fields: mini width 3 reads as 10
        Line("十九欄", {"300", "100", "50", "100", "", "12", "60", "0", "11", "0", "0", "2", "0",
                        "1", "3", "30", "0", "0", "0"}) +
        // 26 fields: borderless, custom background 300,44,0 is 44,44,0
        Line("二十六欄",
             {"450", "100", "60", "120", "",  "16", "40", "0",  "11", "0",  "0",   "0",  "0",
              "0",   "40",  "20", "0",   "1", "7",  "",   "-1", "-1", "-1", "300", "44", "0"});
    Install inst = Install::Fresh()
                       .WithSettings("[window]\r\nDefaultX=50\r\nDefaultY=25\r\n")
                       .WithFile("fdir\\marnelo.txt", board);
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(4));
    std::vector<NoteView> views = app.Notes();
    EXPECT_EQ(NoteWithText(views, "欠け"), nullptr);

    const NoteView* ten = NoteWithText(views, "十欄");
    ASSERT_NE(ten, nullptr);
    EXPECT_EQ(ten->rect.left, 10);
    EXPECT_EQ(ten->rect.top, 100);
    EXPECT_EQ(ten->width(), 80);
    EXPECT_EQ(ten->height(), 40);
    EXPECT_EQ(ten->alpha, 204);
    EXPECT_TRUE(ten->topmost);
    EXPECT_TRUE(ten->style & WS_THICKFRAME);
    EXPECT_EQ(ten->textStyle & SS_TYPEMASK, static_cast<DWORD>(SS_LEFT));
    EXPECT_TRUE(ShowsColourAt(ten->rect.left + 70, ten->rect.top + 32, RGB(255, 255, 0)));

    const NoteView* fifteen = NoteWithText(views, "十五欄");
    ASSERT_NE(fifteen, nullptr);
    EXPECT_EQ(fifteen->width(), 50) << "mini width from [window] DefaultX";
    EXPECT_EQ(fifteen->height(), 25);
    EXPECT_EQ(fifteen->textStyle & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER));
    EXPECT_FALSE(fifteen->topmost);

    const NoteView* nineteen = NoteWithText(views, "十九欄");
    ASSERT_NE(nineteen, nullptr);
    EXPECT_EQ(nineteen->width(), 10);
    EXPECT_EQ(nineteen->height(), 30);
    EXPECT_EQ(nineteen->alpha, 153);
    EXPECT_EQ(nineteen->textStyle & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));

    const NoteView* twentySix = NoteWithText(views, "二十六欄");
    ASSERT_NE(twentySix, nullptr);
    EXPECT_EQ(twentySix->rect.left, 450);
    EXPECT_EQ(twentySix->width(), 120);
    EXPECT_EQ(twentySix->height(), 60);
    EXPECT_EQ(twentySix->alpha, 102);
    EXPECT_FALSE(twentySix->style & WS_THICKFRAME) << "borderless";
    EXPECT_TRUE(
        ShowsColourAt(twentySix->rect.left + 110, twentySix->rect.top + 50, RGB(44, 44, 0)));
    for (const NoteView& v : views) {
        EXPECT_TRUE(v.rounded) << v.text;
        EXPECT_TRUE(v.exStyle & WS_EX_TOOLWINDOW) << v.text;
        EXPECT_TRUE(v.hasFont) << v.text;
    }
}

TEST(NoteLook, FontSizeShowsInTheText) {
    // Another process cannot read a note's font here, so the glyphs on screen are measured.
    auto noteWithFont = [](int x, int size) {
        Note note;
        note.text = "字";
        note.x = x;
        note.y = 200;
        note.width = 120;
        note.height = 60;
        note.fontSize = size;
        note.borderless = 1;
        return note;
    };
    Install inst =
        Install::Fresh().WithBoard("marnelo.txt", {noteWithFont(100, 12), noteWithFont(300, 36)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    std::vector<NoteView> views = app.Notes();
    RECT inner[2];
    for (int i = 0; i < 2; ++i) {
        inner[i] = views[i].rect;
        inner[i].left += 5;  // clear of the rounded corners
        inner[i].right -= 6;
    }
    int small = 0, large = 0;
    WaitFor([&] {
        small = InkRows(inner[0], RGB(255, 255, 255));
        large = InkRows(inner[1], RGB(255, 255, 255));
        // Until painted, a note may show no text or a blank of another colour from top to bottom.
        return small > 0 && large > 0 && small < 60 && large < 60;
    });
    EXPECT_GE(small, 6);
    EXPECT_LE(small, 14);
    EXPECT_GE(large, 24);
    EXPECT_LE(large, 40);
}

TEST(NoteLook, TableColoursAndMultiLineText) {
    Note orange;
    orange.text = "一行目\r\n二行目\r\n三行目";
    orange.backColor = 8;  // "Orange" has the value of Olive
    orange.width = 120;
    orange.height = 70;
    Note bad;
    bad.text = "範囲外";
    bad.x = 200;
    bad.backColor = 40;  // outside the table: 1, 1, 1
    bad.width = 120;
    bad.height = 70;
    Note partial;
    partial.text = "A&B";  // an ampersand is text, not a mnemonic mark
    partial.x = 400;
    partial.backColor = 12;  // Yellow: a custom colour with a -1 component is not in force
    partial.backRed = 0;
    partial.backGreen = 0;
    partial.backBlue = -1;
    partial.width = 120;
    partial.height = 70;
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {orange, bad, partial});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(3));
    std::vector<NoteView> views = app.Notes();
    EXPECT_EQ(views[0].text, orange.text);
    EXPECT_TRUE(ShowsColourAt(views[0].rect.left + 110, views[0].rect.top + 62, RGB(128, 128, 0)));
    EXPECT_TRUE(ShowsColourAt(views[1].rect.left + 110, views[1].rect.top + 62, RGB(1, 1, 1)));
    EXPECT_TRUE(ShowsColourAt(views[2].rect.left + 110, views[2].rect.top + 62, RGB(255, 255, 0)));
    EXPECT_EQ(views[2].text, "A&B");
    EXPECT_TRUE(views[2].textStyle & SS_NOPREFIX);
}

TEST(NoteLook, ResizedNoteIsRoundedAgainAndItsTextFollows) {
    Note note;
    note.text = "伸びる";
    note.x = 100;
    note.y = 100;
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {note});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND window = app.NoteWindows()[0];
    SetWindowPos(window, nullptr, 0, 0, 200, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitFor([&] {
        NoteView view = InspectNote(window);
        return view.width() == 200 && view.height() == 120 && view.rounded;
    }));
    RECT client{}, text{};
    GetClientRect(window, &client);
    GetClientRect(FindWindowExA(window, nullptr, "STATIC", nullptr), &text);
    EXPECT_EQ(text.right, client.right);
    EXPECT_EQ(text.bottom, client.bottom);
}

TEST(NoteLook, BoardsLargerThanTheOldTableKeepEveryNote) {
    std::vector<Note> many;
    for (int i = 0; i < 260; ++i) {
        Note note;
        note.text = std::to_string(i);
        note.x = (i % 26) * 40;
        note.y = (i / 26) * 30;
        note.width = 38;
        note.height = 28;
        note.borderless = 1;
        many.push_back(note);
    }
    Install inst = Install::Fresh().WithBoard("marnelo.txt", many);
    Marnelo app(inst);
    EXPECT_TRUE(app.WaitForNotes(260, 30000));
}
