#include "launcher/model/note_file.h"

#include <gtest/gtest.h>

#include <tuple>

#include "common/int_values.h"
#include "tests/note_fields.h"

namespace {

const NoteDefaults kDefaults{33, 44};

// A record as an older or damaged file holds it: text, command, then `fields`.
std::string Record(const std::string& text, const std::string& command,
                   const std::vector<std::string>& fields, const char* end = "\r\n") {
    std::string line = text + "\t" + command;
    for (const std::string& field : fields) line += "\t" + field;
    return line + end;
}

// Fields 1..count holding 100 + their position, so a decoded value tells where it was read.
// Position 5 is the media path and position 20 the font face, which hold text.
std::vector<std::string> NumberedFields(int count) {
    std::vector<std::string> fields;
    for (int position = 1; position <= count; ++position) {
        if (position == 5)
            fields.push_back("C:\\pic\\a.png");
        else if (position == 20)
            fields.push_back("ＭＳ ゴシック");
        else
            fields.push_back(std::to_string(100 + position));
    }
    return fields;
}

// The fields after the text of one formatted record that holds no line break.
std::vector<std::string> SplitRecord(std::string line) {
    EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
    line.resize(line.size() - 2);
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

Note UnusualNote() {
    Note n;
    n.text = "一行目\r\n二行目\r\n三行目";
    n.command = "notepad\r\nC:\\memo\\表.txt";
    n.mediaPath = "C:\\表\\写真.jpg";
    n.fontFace = "ＭＳ 明朝";
    n.x = -5, n.y = 1200, n.height = 77, n.width = 310;
    n.fontSize = 9, n.transparency = 60, n.topmost = 1, n.backColor = 17, n.textColor = 3;
    n.runType = 2, n.align = 1, n.common = 1, n.mini = 1, n.miniWidth = 55, n.miniHeight = 12;
    n.raiseOnHover = 1, n.borderless = 1, n.spare = -42;
    n.textRed = 1, n.textGreen = 2, n.textBlue = 3;
    n.backRed = 250, n.backGreen = -1, n.backBlue = 0;
    return n;
}

}  // namespace

TEST(FormatNote, WhiteNoteExample) {
    Note n;
    n.text = "付箋です。";
    n.x = 100, n.y = 40, n.height = 50, n.width = 90, n.fontSize = 12;
    n.miniWidth = 10, n.miniHeight = 10;
    EXPECT_EQ(FormatNote(n),
              "付箋です。\t\t100\t40\t50\t90\t\t12\t100\t0\t11\t0\t0\t0\t0\t0\t10\t10\t0\t0\t0\t"
              "\t-1\t-1\t-1\t-1\t-1\t-1\r\n");
}

TEST(FormatNote, SizesAreRaisedOnWritingAndPlacesOnAnyScreenKept) {
    struct Case {
        int Note::*field;
        int value;
        std::size_t index;
        int written;
    };
    const Case cases[] = {{&Note::x, -1900, 2, -1900},   {&Note::y, -600, 3, -600},
                          {&Note::height, 3, 4, 10},     {&Note::width, 9, 5, 10},
                          {&Note::height, 10, 4, 10},    {&Note::width, -1, 5, 10},
                          {&Note::miniWidth, 3, 16, 10}, {&Note::miniHeight, 0, 17, 10},
                          {&Note::miniWidth, 11, 16, 11}};
    for (const Case& c : cases) {
        Note n;
        n.*c.field = c.value;
        std::vector<std::string> fields = SplitRecord(FormatNote(n));
        ASSERT_EQ(fields.size(), 28u);
        EXPECT_EQ(fields[c.index], std::to_string(c.written)) << c.value << " at " << c.index;
    }
}

TEST(FormatNote, MiniNoteKeepsTheFullSizeItIsGiven) {
    Note n;
    n.mini = 1, n.height = 120, n.width = 200, n.miniWidth = 40, n.miniHeight = 20;
    std::vector<std::string> fields = SplitRecord(FormatNote(n));
    EXPECT_EQ(fields[4] + " " + fields[5], "120 200");
    EXPECT_EQ(fields[15] + " " + fields[16] + " " + fields[17], "1 40 20");
}

TEST(FormatNote, TabsInTextCommandAndMediaPathBecomeSpaces) {
    Note n;
    n.text = "a\tb\t";
    n.command = "\tcmd";
    n.mediaPath = "C:\\x\ty.png";
    std::vector<std::string> fields = SplitRecord(FormatNote(n));
    ASSERT_EQ(fields.size(), 28u);
    EXPECT_EQ(fields[0], "a b ");
    EXPECT_EQ(fields[1], " cmd");
    EXPECT_EQ(fields[6], "C:\\x y.png");
    ASSERT_EQ(ParseNotes(FormatNote(n), kDefaults).size(), 1u);
    EXPECT_EQ(ParseNotes(FormatNote(n), kDefaults)[0].text, "a b ");
}

TEST(FormatNote, LineBreaksInOneLineFieldsCannotSplitTheRecord) {
    Note n;
    n.text = "上";
    n.mediaPath = "C:\\a\r\nb.png";
    n.fontFace = "face\r";
    n.backBlue = 77;
    std::vector<Note> read = ParseNotes(FormatNote(n) + FormatNote(n), kDefaults);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].mediaPath, "C:\\a  b.png");
    EXPECT_EQ(read[1].fontFace, "face ");
    EXPECT_EQ(read[1].backBlue, 77);
}

TEST(NoteFile, RoundTripKeepsEveryField) {
    Note n = UnusualNote();
    std::string line = FormatNote(n);
    std::vector<Note> notes = ParseNotes(line, kDefaults);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(AllFields(notes[0]), AllFields(n));
    EXPECT_EQ(FormatNote(notes[0]),
              "一行目\r\n二行目\r\n三行目\tnotepad\r\nC:\\memo\\表.txt\t-5\t1200\t77\t310\t"
              "C:\\表\\写真.jpg\t9\t60\t1\t17\t3\t2\t1\t1\t1\t55\t12\t1\t1\t-42\tＭＳ 明朝\t"
              "1\t2\t3\t250\t-1\t0\r\n");
    // The three-line text stays one record: its line breaks are inside the first field.
    EXPECT_EQ(line.find("\t"), std::string("一行目\r\n二行目\r\n三行目").size());
}

TEST(NoteFile, LongFieldsAreKeptWhole) {
    Note n = UnusualNote();
    n.text = std::string(100000, 'x') + "\r\n" + std::string(5000, 'y');
    n.command = std::string(40000, 'c');
    n.mediaPath = "C:\\" + std::string(2000, 'm');
    n.fontFace = std::string(600, 'f');
    std::vector<Note> notes = ParseNotes(FormatNote(n) + FormatNote(UnusualNote()), kDefaults);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(AllFields(notes[0]), AllFields(n));
    EXPECT_EQ(AllFields(notes[1]), AllFields(UnusualNote()));
}

TEST(ParseNotes, TenFieldLayout) {
    std::vector<Note> notes = ParseNotes(Record("t", "c", NumberedFields(10)), kDefaults);
    ASSERT_EQ(notes.size(), 1u);
    Note expected;
    expected.text = "t", expected.command = "c";
    expected.x = 101, expected.y = 102, expected.height = 103, expected.width = 104;
    expected.mediaPath = "C:\\pic\\a.png";
    expected.fontSize = 106, expected.transparency = 107, expected.topmost = 108;
    expected.backColor = 109, expected.textColor = 110;
    expected.runType = expected.align = expected.common = expected.mini = 0;
    expected.miniWidth = 33, expected.miniHeight = 44;
    EXPECT_EQ(AllFields(notes[0]), AllFields(expected));
}

TEST(ParseNotes, FifteenFieldLayoutIgnoresPositionFifteen) {
    std::vector<Note> notes = ParseNotes(Record("t", "c", NumberedFields(15)), kDefaults);
    ASSERT_EQ(notes.size(), 1u);
    const Note& n = notes[0];
    EXPECT_EQ(std::tie(n.x, n.backColor, n.textColor), std::make_tuple(101, 109, 110));
    EXPECT_EQ(std::tie(n.runType, n.align, n.common, n.mini), std::make_tuple(111, 112, 113, 114));
    EXPECT_EQ(std::tie(n.miniWidth, n.miniHeight), std::make_tuple(33, 44));
    EXPECT_EQ(std::tie(n.raiseOnHover, n.borderless, n.spare), std::make_tuple(0, 0, 0));
    EXPECT_EQ(n.fontFace, "");
    EXPECT_FALSE(n.textRed != -1 || n.textGreen != -1 || n.textBlue != -1);
    EXPECT_FALSE(n.backRed != -1 || n.backGreen != -1 || n.backBlue != -1);
}

TEST(ParseNotes, NineteenFieldLayout) {
    std::vector<Note> notes = ParseNotes(Record("t", "c", NumberedFields(19)), kDefaults);
    ASSERT_EQ(notes.size(), 1u);
    const Note& n = notes[0];
    EXPECT_EQ(std::tie(n.runType, n.mini), std::make_tuple(111, 114));
    EXPECT_EQ(std::tie(n.miniWidth, n.miniHeight), std::make_tuple(115, 116));
    EXPECT_EQ(std::tie(n.raiseOnHover, n.borderless, n.spare), std::make_tuple(117, 118, 119));
    EXPECT_EQ(n.fontFace, "");
    EXPECT_EQ(std::tie(n.textRed, n.backBlue), std::make_tuple(-1, -1));
}

TEST(ParseNotes, TwentySixFieldLayout) {
    // The current layout may also end its last field with a TAB.
    for (const char* end : {"\r\n", "\t\r\n"}) {
        std::vector<Note> notes = ParseNotes(Record("t", "c", NumberedFields(26), end), kDefaults);
        ASSERT_EQ(notes.size(), 1u) << end;
        const Note& n = notes[0];
        EXPECT_EQ(std::tie(n.miniWidth, n.spare), std::make_tuple(115, 119));
        EXPECT_EQ(n.fontFace, "ＭＳ ゴシック");
        EXPECT_EQ(std::tie(n.textRed, n.textGreen, n.textBlue), std::make_tuple(121, 122, 123));
        EXPECT_EQ(std::tie(n.backRed, n.backGreen, n.backBlue), std::make_tuple(124, 125, 126));
    }
}

TEST(ParseNotes, MiniSizeIsRaisedOnlyWhereTheRecordStoresIt) {
    struct Case {
        int layout;
        const char* width;
        const char* height;
        int miniWidth, miniHeight;
    };
    const Case cases[] = {{19, "3", "9", 10, 10},
                          {26, "3", "-7", 10, 10},
                          {26, "x", "10", 10, 10},
                          {26, "11", "12", 11, 12}};
    for (const Case& c : cases) {
        std::vector<std::string> fields = NumberedFields(c.layout);
        fields[14] = c.width;
        fields[15] = c.height;
        std::vector<Note> notes = ParseNotes(Record("t", "", fields), kDefaults);
        ASSERT_EQ(notes.size(), 1u) << c.layout;
        EXPECT_EQ(notes[0].miniWidth, c.miniWidth) << c.layout << " " << c.width;
        EXPECT_EQ(notes[0].miniHeight, c.miniHeight) << c.layout << " " << c.height;
    }
    // The older layouts take the defaults as they are.
    std::vector<Note> old = ParseNotes(Record("t", "", NumberedFields(10)), NoteDefaults{3, 4});
    ASSERT_EQ(old.size(), 1u);
    EXPECT_EQ(std::tie(old[0].miniWidth, old[0].miniHeight), std::make_tuple(3, 4));
}

TEST(ParseNotes, RecordOfUnknownFieldCountIsSkipped) {
    const std::string next = Record("next", "", NumberedFields(10));
    for (int count : {1, 9, 11, 12, 14, 16, 18, 20, 25}) {
        std::string input = Record("bad", "cmd", NumberedFields(count)) + next;
        std::vector<Note> notes = ParseNotes(input, kDefaults);
        ASSERT_EQ(notes.size(), 1u) << count;
        EXPECT_EQ(notes[0].text, "next") << count;
    }
    // A layout's field count ended by a TAB, not by CR, is not that layout.
    std::vector<Note> notes =
        ParseNotes(Record("bad", "", NumberedFields(10), "\t\r\n") + next, kDefaults);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].text, "next");
}

TEST(ParseNotes, LongerRecordEndsAtItsTwentySixthField) {
    std::vector<std::string> fields = NumberedFields(26);
    // Ten leftover fields ended by CR must not pass for a record of the 10-field layout.
    for (int i = 0; i < 10; ++i) fields.push_back("7");
    std::string input = Record("long", "", fields) + Record("next", "", NumberedFields(26));
    std::vector<Note> notes = ParseNotes(input, kDefaults);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].text, "long");
    EXPECT_EQ(notes[0].backBlue, 126);
    EXPECT_EQ(notes[1].text, "next");
}

TEST(ParseNotes, LineBreaksBetweenAndAfterRecords) {
    const std::string one = Record("one", "", NumberedFields(26));
    const std::string two = Record("two", "", NumberedFields(26));

    // A blank line is not skipped: it starts the next note's text.
    std::vector<Note> notes = ParseNotes(one + "\r\n" + two, kDefaults);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[1].text, "\r\ntwo");

    // A file cut before its final CR LF keeps its last note, and a lone CR makes no second.
    notes = ParseNotes(one + two.substr(0, two.size() - 2), kDefaults);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[1].text, "two");
    EXPECT_EQ(notes[1].backBlue, 126);
    EXPECT_EQ(ParseNotes(one + two.substr(0, two.size() - 1), kDefaults).size(), 2u);
    // Cut inside a record: too few fields, nothing made.
    EXPECT_EQ(ParseNotes(one + "three\t\t1\t2", kDefaults).size(), 1u);

    EXPECT_TRUE(ParseNotes("", kDefaults).empty());
    EXPECT_TRUE(ParseNotes("text only\r\n", kDefaults).empty());
}

TEST(ParseNotes, MoreRecordsThanATableHoldsAreAllDecoded) {
    std::string input;
    for (int i = 0; i < 300; ++i) {
        Note n;
        n.text = std::to_string(i);
        input += FormatNote(n);
    }
    std::vector<Note> notes = ParseNotes(input, kDefaults);
    ASSERT_EQ(notes.size(), 300u);
    EXPECT_EQ(notes[256].text, "256");
    EXPECT_EQ(notes[299].text, "299");
}

TEST(ParseDecimalInt, DecimalTextAsTheFilesHoldIt) {
    struct Case {
        const char* field;
        int value;
    };
    const Case cases[] = {{"42", 42},
                          {"-5", -5},
                          {"+7", 7},
                          {"  12", 12},
                          {" -3", -3},
                          {"12abc", 12},
                          {"", 0},
                          {"abc", 0},
                          {"-", 0},
                          {" ", 0},
                          {"007", 7},
                          {"1 2", 1},
                          {"--1", 0},
                          {"- 1", 0},
                          {"2147483647", 2147483647},
                          {"-2147483647", -2147483647},
                          {"99999999999999999999", 2147483647},
                          {"-2147483648", -2147483647},
                          {"-99999999999999999999", -2147483647}};
    for (const Case& c : cases)
        EXPECT_EQ(ParseDecimalInt(c.field), c.value) << '"' << c.field << '"';
}

TEST(KeepReachable, MiniSizeAndOpacityRaisedToTheirLeast) {
    struct Case {
        int width, height, transparency, raisedWidth, raisedHeight, raisedTransparency;
    };
    const Case cases[] = {
        {3, 9, 0, 10, 10, 10},  // empty boxes: a 0 x 0 note, invisible and not clickable
        {-4, 0, -5, 10, 10, 10}, {10, 11, 10, 10, 11, 10},
        {40, 3, 9, 40, 10, 10},  {44, 22, 60, 44, 22, 60},
    };
    for (const Case& c : cases) {
        Note n;
        n.miniWidth = c.width, n.miniHeight = c.height, n.transparency = c.transparency;
        n.width = 4;  // the full size is not the mini size
        n = KeepReachable(n);
        EXPECT_EQ(std::tie(n.miniWidth, n.miniHeight, n.transparency, n.width),
                  std::make_tuple(c.raisedWidth, c.raisedHeight, c.raisedTransparency, 4))
            << c.width << " " << c.height << " " << c.transparency;
    }
}
