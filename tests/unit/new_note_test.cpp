#include "launcher/model/new_note.h"

#include <gtest/gtest.h>

#include <climits>

#include <tuple>
#include <utility>

namespace {

NewNoteSettings Settings() {
    NewNoteSettings s;
    s.fontSize = 18, s.transparency = 80, s.miniWidth = 60, s.miniHeight = 25;
    s.lineHeight = 20, s.charWidth = 8;
    return s;
}

// Everything a new note takes from the settings or leaves at its plain value, whatever its kind.
void ExpectCommonNewNoteFields(const Note& n, const NewNoteSettings& s) {
    EXPECT_EQ(n.mediaPath, "");
    EXPECT_EQ(std::tie(n.fontSize, n.transparency), std::tie(s.fontSize, s.transparency));
    EXPECT_EQ(std::tie(n.miniWidth, n.miniHeight), std::tie(s.miniWidth, s.miniHeight));
    EXPECT_EQ(std::tie(n.common, n.raiseOnHover, n.borderless, n.spare),
              std::make_tuple(0, 0, 0, 0));
    EXPECT_EQ(n.fontFace, "");
    EXPECT_EQ(std::tie(n.textRed, n.textGreen, n.textBlue, n.backRed, n.backGreen, n.backBlue),
              std::make_tuple(-1, -1, -1, -1, -1, -1));
}

}  // namespace

TEST(MeasureClipboardText, LinesAndLongestLineBetweenFeeds) {
    struct Case {
        const char* text;
        int lines;
        int longest;
    };
    const Case cases[] = {
        {"ab\r\ncde", 2, 3},  // the first line with its CR; the last line is not measured
        {"x\r\nlonger line", 2, 2},
        {"abc", 1, 3},
        {"abc\r\n", 1, 5},  // a final line feed adds no line; no feed before it: whole text
        {"\n", 1, 1},
        {"a\r\nbb\r\ncc", 3, 4},  // later lines count from the previous feed
        {"abcd\r\nx\r\n", 2, 5},
        {"\n\n\n", 3, 1},
        {"表示\r\nab", 2, 5}  // bytes, not characters
    };
    for (const Case& c : cases) {
        TextExtent e = MeasureClipboardText(c.text);
        EXPECT_EQ(e.lines, c.lines) << c.text;
        EXPECT_EQ(e.longest, c.longest) << c.text;
    }
}

TEST(MakeClipboardTextNote, SizedFromLinesAndLongestLine) {
    int runningX = 0;
    Note n = MakeClipboardTextNote(kTextNote, "ab\r\ncde", NewNoteSettings{}, runningX, 1024);
    EXPECT_EQ(n.height, 15 * 2 + 4);
    EXPECT_EQ(n.width, 7 * 3 + 10);

    runningX = 0;
    n = MakeClipboardTextNote(kTextNote, "ab\r\ncde", Settings(), runningX, 1024);
    EXPECT_EQ(n.height, 20 * 2 + 4);
    EXPECT_EQ(n.width, 8 * 3 + 10);
    EXPECT_EQ(n.text, "ab\r\ncde");

    // Absurd size settings hold the note at int's limit, and the next note starts on the left.
    NewNoteSettings huge;
    huge.lineHeight = huge.charWidth = 2147483647;
    runningX = 2147483647 - 5;
    n = MakeClipboardTextNote(kTextNote, "ab\r\ncde", huge, runningX, 1024);
    EXPECT_EQ(std::make_pair(n.height, n.width), std::make_pair(2147483647, 2147483647));
    EXPECT_EQ(runningX, 0);
}

TEST(MakeClipboardTextNote, FieldsByKind) {
    struct Case {
        NewNoteKind kind;
        bool commandIsText;
        int topmost, backColor, textColor, runType, align, mini;
    };
    const Case cases[] = {{kTextNote, false, 0, 11, 0, 0, 0, 0},
                          {kClipboardNote, true, 1, 6, 0, 1, 0, 1},
                          {kRunNote, true, 1, 0, 6, 0, 1, 1}};
    const NewNoteSettings s = Settings();
    for (const Case& c : cases) {
        int runningX = 0;
        Note n = MakeClipboardTextNote(c.kind, "line\r\n2", s, runningX, 1024);
        EXPECT_EQ(n.text, "line\r\n2") << c.kind;
        EXPECT_EQ(n.command, c.commandIsText ? "line\r\n2" : "") << c.kind;
        EXPECT_EQ(std::tie(n.topmost, n.backColor, n.textColor, n.runType, n.align, n.mini),
                  std::tie(c.topmost, c.backColor, c.textColor, c.runType, c.align, c.mini))
            << c.kind;
        EXPECT_EQ(n.y, 0);
        ExpectCommonNewNoteFields(n, s);
    }
}

TEST(MakeClipboardTextNote, RunningPositionAdvancesAndWraps) {
    // "abc" is 8 * 3 + 10 = 34 pixels wide; the default mini width is 60.
    struct Case {
        NewNoteKind kind;
        int startX;
        int screenWidth;
        int nextX;
    };
    const Case cases[] = {{kTextNote, 0, 1024, 34},
                          {kTextNote, 100, 1024, 134},
                          {kClipboardNote, 100, 1024, 160},  // mini notes advance by the mini width
                          {kRunNote, 100, 1024, 160},
                          {kTextNote, 956, 1000, 990},  // 990 + 10 does not exceed the screen
                          {kTextNote, 957, 1000, 0},    // 991 + 10 does
                          {kRunNote, 930, 1000, 990},
                          {kClipboardNote, 931, 1000, 0},
                          {kTextNote, 2000, 1000, 0}};
    for (const Case& c : cases) {
        int runningX = c.startX;
        Note n = MakeClipboardTextNote(c.kind, "abc", Settings(), runningX, c.screenWidth);
        EXPECT_EQ(n.x, c.startX) << c.kind << " " << c.startX;
        EXPECT_EQ(runningX, c.nextX) << c.kind << " " << c.startX;
    }
}

TEST(MakePlainNote, WhiteDefaultNote) {
    EXPECT_TRUE(NeedsDefaultNote(false, 0)) << "an empty board";
    EXPECT_TRUE(NeedsDefaultNote(true, 3));
    EXPECT_FALSE(NeedsDefaultNote(false, 3));
    const NewNoteSettings s = Settings();
    Note n = MakePlainNote(s);
    EXPECT_EQ(n.text, "付箋です。");
    EXPECT_EQ(n.command, "");
    EXPECT_EQ(std::tie(n.x, n.y, n.height, n.width), std::make_tuple(0, 0, 50, 90));
    EXPECT_EQ(std::tie(n.backColor, n.textColor), std::make_tuple(11, 0));
    EXPECT_EQ(std::tie(n.topmost, n.runType, n.align, n.mini), std::make_tuple(0, 0, 0, 0));
    ExpectCommonNewNoteFields(n, s);
}

TEST(MakeClipboardTextNote, ExtremeSettingsHoldSizesAndPositionInRange) {
    NewNoteSettings s;
    s.lineHeight = s.charWidth = s.miniWidth = INT_MAX;
    for (NewNoteKind kind : {kTextNote, kClipboardNote}) {
        int runningX = INT_MAX - 5;
        Note n = MakeClipboardTextNote(kind, "ab\r\ncde", s, runningX, INT_MAX);
        EXPECT_EQ(n.height, INT_MAX);
        EXPECT_EQ(n.width, INT_MAX);
        EXPECT_EQ(n.x, INT_MAX - 5);
        EXPECT_EQ(runningX, 0) << "past the screen's edge the row starts again";
    }
    s.lineHeight = s.charWidth = INT_MIN;
    int runningX = 0;
    Note n = MakeClipboardTextNote(kTextNote, "ab\r\ncde", s, runningX, 1024);
    EXPECT_EQ(n.height, INT_MIN);
    EXPECT_EQ(n.width, INT_MIN);
}

TEST(ClipboardImagePath, NamedByTheTimeAndNeverOverAnotherPicture) {
    const std::string stem = "C:\\m\\img\\clipImg20110820121137";
    struct Case {
        int takenCount;  // the plain name and then "_2", "_3" ... are taken
        std::string path;
    };
    const Case cases[] = {
        {0, stem + ".jpg"},
        {1, stem + "_2.jpg"},  // a second picture within the same second
        {2, stem + "_3.jpg"},
        {998, stem + "_999.jpg"},
        {999, ""},  // every name taken: no picture is written over another
    };
    for (const Case& c : cases) {
        int asked = 0;
        auto taken = [&](const std::string&) { return ++asked <= c.takenCount; };
        EXPECT_EQ(ClipboardImagePath("C:\\m\\img", {2011, 8, 20, 12, 11, 37}, taken), c.path)
            << c.takenCount;
    }
}

TEST(MakeImageNote, APastedPictureAtItsOwnSize) {
    EXPECT_TRUE(MakesTextNote(std::string("a")));
    EXPECT_FALSE(MakesTextNote(std::string()));
    EXPECT_FALSE(MakesTextNote(std::nullopt));
    Note n = MakeImageNote(Settings(), "C:\\m\\img\\clipImg1.jpg", 400, 200);
    EXPECT_EQ(n.mediaPath, "C:\\m\\img\\clipImg1.jpg");
    EXPECT_EQ(n.width, 400);
    EXPECT_EQ(n.height, 200);
    EXPECT_EQ(n.x, 0);
    EXPECT_EQ(n.backColor, 11);
    EXPECT_EQ(n.text, "付箋です。");
}

TEST(FreeNotePlace, StepsOnFromEveryPlaceAShownNoteTakes) {
    using Places = std::vector<NotePlace>;
    struct Case {
        NotePlace wanted;
        Places shown;
        NotePlace place;
        int width = 800, height = 600;  // the screen's
    };
    const Case cases[] = {
        {{0, 0}, {}, {0, 0}},
        {{0, 0}, {{0, 1}, {1, 0}}, {0, 0}},  // only the exact place counts
        {{0, 0}, {{0, 0}}, {0, 20}},         // the default note at the origin
        {{0, 0}, {{0, 0}, {0, 20}, {0, 40}}, {0, 60}},
        {{300, 0}, {{300, 0}, {0, 20}}, {300, 20}},
        {{0, 580}, {{0, 580}}, {20, 0}},     // the bottom: the next column's top
        {{780, 580}, {{780, 580}}, {0, 0}},  // the bottom right corner: back to the origin
        {{0, 0}, {{0, 0}, {0, 20}, {20, 0}}, {20, 20}, 40, 40},  // the last place of a grid of 4
        {{0, 0}, {{0, 0}, {0, 20}, {20, 0}, {20, 20}}, {0, 20}, 40, 40},  // none free: it ends
    };
    for (const Case& c : cases) {
        NotePlace place = FreeNotePlace(c.wanted, c.shown, c.width, c.height);
        EXPECT_EQ(place.x, c.place.x) << c.wanted.x << "," << c.wanted.y << " " << c.shown.size();
        EXPECT_EQ(place.y, c.place.y) << c.wanted.x << "," << c.wanted.y << " " << c.shown.size();
    }
}
