#include "launcher/model/colours.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

auto Components(const Rgb& c) {
    return std::make_tuple(c.red, c.green, c.blue);
}

}  // namespace

// The index of a name is what the Edit dialog stores, and the file keeps the index.
TEST(ColourTable, NamesAndValuesByIndex) {
    struct Case {
        const char* name;
        int red, green, blue;
    };
    const Case table[kColourCount] = {
        {"Black", 0, 0, 0},        {"Blue", 0, 0, 255},      {"Aqua", 0, 255, 255},
        {"Navy", 0, 0, 128},       {"Gray", 128, 128, 128},  {"Lime", 0, 255, 0},
        {"Silver", 192, 192, 192}, {"Fuchsia", 255, 0, 255}, {"Orange", 128, 128, 0},
        {"Rose", 255, 153, 204},   {"Red", 255, 0, 0},       {"White", 255, 255, 255},
        {"Yellow", 255, 255, 0},   {"Green", 0, 128, 0},     {"Olive", 128, 128, 0},
        {"Maroon", 128, 0, 0},     {"Teal", 0, 128, 128},    {"Purple", 128, 0, 128}};
    for (int i = 0; i < kColourCount; ++i) {
        EXPECT_STREQ(kColourNames[i], table[i].name) << i;
        EXPECT_EQ(Components(ColourOf(i, -1, -1, -1)),
                  std::make_tuple(table[i].red, table[i].green, table[i].blue))
            << table[i].name;
    }
}

TEST(ColourOf, CustomTripleOnlyWhenComplete) {
    struct Case {
        int index, red, green, blue;
        int wantRed, wantGreen, wantBlue;
    };
    const Case cases[] = {
        {8, -1, -1, -1, 128, 128, 0},  // Orange
        {8, 10, 20, -1, 128, 128, 0},  // only blue missing: the table colour
        {8, -1, 20, 30, 128, 128, 0},    {8, 10, -1, 30, 128, 128, 0}, {8, 10, 20, 30, 10, 20, 30},
        {8, 0, 0, 0, 0, 0, 0},       // black is a custom colour, not "none"
        {0, 300, 44, 0, 44, 44, 0},  // low eight bits
        {0, 256, 511, 255, 0, 255, 255}, {18, -1, -1, -1, 1, 1, 1},  // outside the table
        {-1, -1, -1, -1, 1, 1, 1},       {1000, 5, 6, 7, 5, 6, 7},   // a custom colour needs no
                                                                     // valid index
    };
    for (const Case& c : cases)
        EXPECT_EQ(Components(ColourOf(c.index, c.red, c.green, c.blue)),
                  std::make_tuple(c.wantRed, c.wantGreen, c.wantBlue))
            << c.index << ": " << c.red << "," << c.green << "," << c.blue;
    EXPECT_TRUE(IsCustomColour(0, 0, 0));
    EXPECT_FALSE(IsCustomColour(255, 255, -1));
    EXPECT_FALSE(IsCustomColour(-1, 0, 0));
}

TEST(PaletteEntryOf, TheSharedBrushOnlyForATableColour) {
    EXPECT_EQ(PaletteEntryOf(3, -1, -1, -1), 3);
    EXPECT_EQ(PaletteEntryOf(3, 0, -1, -1), 3) << "an incomplete triple is not in force";
    EXPECT_EQ(PaletteEntryOf(3, 0, 0, 0), -1);
    EXPECT_EQ(PaletteEntryOf(kColourCount, -1, -1, -1), -1);
    EXPECT_EQ(PaletteEntryOf(-1, -1, -1, -1), -1);
}

TEST(AlphaOf, PercentToLayeredAlpha) {
    struct Case {
        int transparency;
        int alpha;
    };
    // Never below the least opacity: at alpha 0 a note is invisible and lets clicks through.
    const Case cases[] = {{100, 255}, {80, 204}, {60, 153}, {50, 127}, {40, 102}, {20, 51},
                          {10, 25},   {9, 25},   {0, 25},   {-20, 25}, {150, 255}};
    for (const Case& c : cases) EXPECT_EQ(AlphaOf(c.transparency), c.alpha) << c.transparency;
}

TEST(AlignOf, AnyOtherValueIsRight) {
    EXPECT_EQ(AlignOf(0), TextAlign::Left);
    EXPECT_EQ(AlignOf(1), TextAlign::Centre);
    EXPECT_EQ(AlignOf(2), TextAlign::Right);
    EXPECT_EQ(AlignOf(5), TextAlign::Right);
    EXPECT_EQ(AlignOf(-1), TextAlign::Right);
}
