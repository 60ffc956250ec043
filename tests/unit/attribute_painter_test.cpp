// The attribute painter: what a pick stores, what a paste changes, the random colours, and how
// the mini tool's controls move between its modes.
#include <gtest/gtest.h>

#include <string>

#include "launcher/rules/attribute_rules.h"
#include "tests/note_fields.h"

namespace {

Note Source() {
    Note n;
    n.backColor = 3, n.textColor = 4, n.fontSize = 20;
    n.backRed = 10, n.backGreen = 20, n.backBlue = 30;
    n.textRed = 40, n.textGreen = 50, n.textBlue = 60;
    return n;
}

constexpr WindowBox kBox{11, 12, 120, 40};
constexpr AttributeBuffer kOld{-7, -7, -7, -7, -7, -7, -7, -7};

}  // namespace

TEST(PickAttribute, StoresOnlyTheEntriesOfItsKind) {
    const AttributeBuffer expected[] = {
        {3, 4, 10, 20, 30, 40, 50, 60},   {3, -7, 10, 20, 30, -7, -7, -7},
        {4, -7, 40, 50, 60, -7, -7, -7},  {11, -7, -7, -7, -7, -7, -7, -7},
        {12, -7, -7, -7, -7, -7, -7, -7}, {120, -7, -7, -7, -7, -7, -7, -7},
        {40, -7, -7, -7, -7, -7, -7, -7}, {20, -7, -7, -7, -7, -7, -7, -7},
    };
    for (int kind = 0; kind < kAttributeKindCount; ++kind)
        EXPECT_EQ(PickAttribute(kind, Source(), kBox, kOld), expected[kind]) << kind;
    for (int kind : {-1, 8, 1000}) EXPECT_EQ(PickAttribute(kind, Source(), kBox, kOld), kOld);
}

TEST(PasteAttribute, ChangesOnlyTheFieldsOfItsKind) {
    auto paste = [&](int kind, const AttributeBuffer& b = {5, 6, 1, 2, 3, 7, 8, 9}) {
        return PasteAttribute(kind, b, std::nullopt, Source(), kBox);
    };
    Note both = Source();
    both.backColor = 5, both.textColor = 6;
    both.backRed = 1, both.backGreen = 2, both.backBlue = 3;
    both.textRed = 7, both.textGreen = 8, both.textBlue = 9;
    Note back = Source();
    back.backColor = 5, back.backRed = 1, back.backGreen = 2, back.backBlue = 3;
    Note text = Source();  // a background picked may go on as a text colour
    text.textColor = 5, text.textRed = 1, text.textGreen = 2, text.textBlue = 3;
    Note font = Source();
    font.fontSize = 5;
    struct Case {
        int kind;
        PasteEffect effect;
        Note note;
        WindowBox box;
    };
    const Case cases[] = {
        {0, PasteEffect::ColoursAndBrush, both, kBox},
        {1, PasteEffect::ColoursAndBrush, back, kBox},
        {2, PasteEffect::Colours, text, kBox},
        {3, PasteEffect::Place, Source(), {5, 12, 120, 40}},
        {4, PasteEffect::Place, Source(), {11, 5, 120, 40}},
        {5, PasteEffect::Place, Source(), {11, 12, 5, 40}},
        {6, PasteEffect::Place, Source(), {11, 12, 120, 5}},
        {7, PasteEffect::Font, font, kBox},
        {8, PasteEffect::None, Source(), kBox},
        {-1, PasteEffect::None, Source(), kBox},
    };
    for (const Case& c : cases) {
        PasteResult r = paste(c.kind);
        EXPECT_EQ(r.effect, c.effect) << c.kind;
        EXPECT_EQ(AllFields(r.note), AllFields(c.note)) << c.kind;
        EXPECT_EQ(std::tie(r.box.left, r.box.top, r.box.width, r.box.height),
                  std::tie(c.box.left, c.box.top, c.box.width, c.box.height))
            << c.kind;
    }
    // Sizes below 1 would leave a note nobody can click again; edges may be anywhere.
    const AttributeBuffer low{-5, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(paste(5, low).box.width, 1);
    EXPECT_EQ(paste(6, {0}).box.height, 1);
    EXPECT_EQ(paste(7, low).note.fontSize, 1);
    EXPECT_EQ(paste(3, low).box.left, -5);
    EXPECT_EQ(paste(4, low).box.top, -5);
}

TEST(PasteAttribute, RandomColoursKeepTheIndexesAndRepeatWithinTheSecond) {
    const AttributeBuffer buffer{99, 1, 2, 3, 4, 5, 6, 7};
    Note text = PasteAttribute(2, buffer, 1234u, Source(), kBox).note;
    Note expected = Source();
    expected.textRed = text.textRed, expected.textGreen = text.textGreen;
    expected.textBlue = text.textBlue;
    EXPECT_EQ(AllFields(text), AllFields(expected)) << "only the text components change";
    EXPECT_EQ(AllFields(PasteAttribute(2, buffer, 1234u, Source(), kBox).note), AllFields(text));

    Note both = PasteAttribute(0, buffer, 1234u, Source(), kBox).note;
    EXPECT_EQ(both.backColor, 3);
    EXPECT_EQ(both.textColor, 4);
    EXPECT_EQ(both.backRed, text.textRed) << "the background takes the first three";
    Note back = PasteAttribute(1, buffer, 1234u, Source(), kBox).note;
    EXPECT_EQ(std::tie(back.textRed, back.backColor), std::make_tuple(40, 3));

    // Sizes, edges and the font size paste the buffer in random mode too.
    EXPECT_EQ(PasteAttribute(5, buffer, 1234u, Source(), kBox).box.width, 99);
    EXPECT_EQ(PasteAttribute(7, buffer, 1234u, Source(), kBox).note.fontSize, 99);

    bool differs = false;
    for (unsigned seed = 0; seed < 200; ++seed) {
        std::vector<int> c = RandomComponents(seed, 6);
        ASSERT_EQ(c.size(), 6u);
        for (int value : c) ASSERT_TRUE(value >= 0 && value <= 254) << value;
        differs = differs || c != RandomComponents(seed + 1, 6);
    }
    EXPECT_TRUE(differs) << "another second gives other colours";
}

TEST(MiniToolModes, ListButtonAndCheckBox) {
    auto label = [](const ToolView& v) { return std::string(MainButtonLabel(v.mode)); };
    const std::string pick = "属性コピー";
    const std::string paste = "属性貼り付け";
    const std::string random = "ランダムカラー　";  // ends in an ideographic space

    ToolView v = OpenedTool(5);
    EXPECT_EQ(v.mode, kToolPick);
    EXPECT_FALSE(v.randomEnabled);
    EXPECT_FALSE(OpenedTool(-3).randomEnabled) << "an unknown kind has no colours";
    EXPECT_EQ(KindListEntry(7), 7);
    EXPECT_EQ(KindListEntry(8), -1);
    EXPECT_EQ(KindListEntry(-3), -1);
    EXPECT_FALSE(RandomToggled(v, true).randomChecked) << "a disabled box cannot switch on";

    v = OpenedTool(1);
    EXPECT_TRUE(v.randomEnabled);
    v = Picked(v);
    EXPECT_EQ(label(v), paste);
    v = MainButtonPressed(v);
    EXPECT_EQ(label(v), pick);
    v = MainButtonPressed(v);
    v = KindChosen(v, 2);
    EXPECT_EQ(label(v), paste) << "pasting goes on between colour kinds";
    v = KindChosen(v, 6);
    EXPECT_EQ(label(v), pick);

    v = RandomToggled(KindChosen(v, 0), true);
    EXPECT_EQ(v.mode, kToolRandom);
    EXPECT_EQ(label(v), random);
    ToolView x = KindChosen(v, 3);
    EXPECT_EQ(std::tie(x.mode, x.randomEnabled, x.randomChecked),
              std::make_tuple(int{kToolPick}, false, false));
    ToolView colour = KindChosen(v, 1);
    EXPECT_EQ(std::tie(colour.mode, colour.randomEnabled, colour.randomChecked),
              std::make_tuple(int{kToolPick}, true, false));
    ToolView pasting = MainButtonPressed(v);
    EXPECT_EQ(std::tie(pasting.mode, pasting.randomChecked),
              std::make_tuple(int{kToolPaste}, false));
    EXPECT_EQ(RandomToggled(v, false).mode, kToolPick);
}
