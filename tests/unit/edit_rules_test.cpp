// The Edit dialog's decisions: colour box steps, what OK makes of a note, the size a note
// comes back at and the line its auto size measures.
#include <gtest/gtest.h>

#include <string>

#include "launcher/model/colours.h"
#include "launcher/rules/edit_rules.h"

TEST(StepColourValue, TenAStepWrappingBy240) {
    struct Case {
        int value;
        bool up;
        int stepped;
    };
    const Case cases[] = {
        {250, true, 10}, {245, true, 255}, {246, true, 6},  {-1, true, 9},
        {5, false, 245}, {10, false, 0},   {0, false, 240}, {300, false, 290},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepColourValue(c.value, c.up), c.stepped) << c.value << (c.up ? " up" : " down");
}

TEST(ApplyEditedFields, ReadsNumbersLabelsAndChecksAndKeepsTextsWhole) {
    Note before;
    before.command = "old";
    before.backColor = 3;
    before.runType = 2;
    EditedFields f;
    f.miniWidth = "55";
    f.miniHeight = "x";   // no digits
    f.transparency = "";  // empty: the note would be invisible
    f.fontSize = " 20";
    f.backRed = "-1";
    f.textBlue = "12abc";
    f.backColor = "Red";
    f.textColor = "Nothing";  // no entry: stays
    f.runType = "クリップボード";
    f.align = "右寄り";
    f.mini = f.borderless = true;
    Note n = ApplyEditedFields(before, f);
    EXPECT_EQ(n.miniWidth, 55);
    EXPECT_EQ(n.miniHeight, 10) << "raised: a mini note of height 0 cannot be clicked";
    EXPECT_EQ(n.transparency, 10);
    EXPECT_EQ(n.fontSize, 20);
    EXPECT_EQ(n.backRed, -1);
    EXPECT_EQ(n.textBlue, 12);
    EXPECT_EQ(n.backColor, 10);
    EXPECT_EQ(n.textColor, before.textColor);
    EXPECT_EQ(n.runType, 1);
    EXPECT_EQ(n.align, 2);
    EXPECT_EQ(n.command, "") << "an empty box removes the command";
    EXPECT_EQ(n.mini, 1);
    EXPECT_EQ(n.borderless, 1);
    EXPECT_EQ(n.topmost, 0);

    // Text and media path are taken whole however long, so OK never cuts what the note held;
    // a font face longer than any font's name ends at a character boundary.
    f.text = "aa";
    for (int i = 0; i < 22000; ++i) f.text += "あ\r\n";
    f.mediaPath = std::string(600, 'p') + "あ";
    f.fontFace = "ff";
    for (int i = 0; i < 20; ++i) f.fontFace += "あ";
    n = ApplyEditedFields(before, f);
    EXPECT_EQ(n.text, f.text);
    EXPECT_EQ(n.mediaPath, f.mediaPath);
    EXPECT_EQ(n.fontFace.size(), 30u);
    EXPECT_EQ(EditBoxLimit(kEditMediaPathBytes, ""), 511u);
    EXPECT_EQ(EditBoxLimit(kEditMediaPathBytes, f.mediaPath), 602u) << "holds the note's path";
}

TEST(SizeAfterEdit, FullUnlessMiniWasJustSwitchedOn) {
    struct Case {
        bool before, after;
        int width, height;
        bool forget;
    };
    const Case cases[] = {
        {false, false, 200, 100, false},
        {true, true, 200, 100, false},  // a mini note comes back full under the pointer
        {false, true, 40, 20, false},
        {true, false, 200, 100, true},
    };
    for (const Case& c : cases) {
        Note n;
        n.width = 200;
        n.height = 100;
        n.miniWidth = 40;
        n.miniHeight = 20;
        n.mini = c.after;
        ReturnPlan plan = SizeAfterEdit(n, c.before);
        EXPECT_EQ(plan.width, c.width) << c.before << c.after;
        EXPECT_EQ(plan.height, c.height) << c.before << c.after;
        EXPECT_EQ(plan.forgetExpanded, c.forget) << c.before << c.after;
    }
}

TEST(LineToMeasure, LinesAndTheLongestLineWithoutItsBreak) {
    struct Case {
        const char* text;
        int lines;
        const char* line;
    };
    const Case cases[] = {
        {"", 1, ""},
        {"abc", 1, "abc"},
        {"abc\r\n", 1, "abc"},  // a final line feed adds no line
        {"long line\r\nab", 2, "long line"},
        {"ab\r\nlonger", 2, "longer"},  // the last line must fit too
        {"ab\r\ncd\r\n", 2, "ab"},      // the first of equals
        {"a\n\nbbb\nc", 4, "bbb"},
    };
    for (const Case& c : cases) {
        MeasuredLine m = LineToMeasure(c.text);
        EXPECT_EQ(m.lines, c.lines) << c.text;
        EXPECT_EQ(m.line, c.line) << c.text;
    }
    NoteSize size = AutoSize(2, 80, 14);
    EXPECT_EQ(size.width, 90);
    EXPECT_EQ(size.height, 38);
}

TEST(StepColourText, TheBoxNumberSteppedAndWrittenBack) {
    EXPECT_EQ(StepColourText("250", true), "10");
    EXPECT_EQ(StepColourText("5", false), "245");
    EXPECT_EQ(StepColourText("x", true), "10") << "no digits count as 0";
}

TEST(ColourLabels, NoLabelOutsideTheListAndNothingNewForTheSameChoice) {
    EXPECT_STREQ(LabelOf(0, kColourNames, kColourCount), "Black");
    EXPECT_STREQ(LabelOf(kColourCount, kColourNames, kColourCount), "");
    EXPECT_STREQ(LabelOf(-1, kColourNames, kColourCount), "");
    EXPECT_EQ(NewColourChoice(kColourNames[3], 2), 3);
    EXPECT_EQ(NewColourChoice(kColourNames[3], 3), -1) << "typed boxes are kept";
    EXPECT_EQ(NewColourChoice("no such colour", -1), -1);
}

TEST(TextToMeasure, AHugeTextIsCutAtACharacterBoundary) {
    std::string text(32766, 'a');
    EXPECT_EQ(TextToMeasure(text + "あb"), text);
    EXPECT_EQ(TextToMeasure("short"), "short");
}

TEST(PreviewColour, BoxesWhenAllSetElseTheLastNamedColour) {
    Rgb custom = PreviewColour(11, "1", "2", "3");
    EXPECT_EQ(custom.red + custom.green + custom.blue, 6);
    Rgb named = PreviewColour(10, "-1", "2", "3");  // Red
    EXPECT_EQ(named.red, 255);
    EXPECT_EQ(named.green, 0);
    Rgb preset = ChooserPreset("257", "-1", "x");
    EXPECT_EQ(preset.red, 1);
    EXPECT_EQ(preset.green, 255);
    EXPECT_EQ(preset.blue, 0);
}
