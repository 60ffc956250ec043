#include "launcher/windows/gestures.h"

#include <gtest/gtest.h>

TEST(ClassifyRelease, ClickTimeDividesClicksFromLongPressesAndDrags) {
    struct Case {
        unsigned elapsed;
        int clickTime;
        bool stayed;
        Release expected;
    };
    const Case cases[] = {
        {100, 150, true, Release::Click},
        {100, 150, false, Release::Click},  // a quick click runs even if the pointer moved
        {149, 150, true, Release::Click},
        {150, 150, true, Release::LongPress},
        {200, 150, true, Release::LongPress},
        {200, 150, false, Release::Drag},
        {0, 0, true, Release::LongPress},
        {5, -10, true, Release::LongPress},  // no click is shorter than a negative time
        {4000000000u, 150, false, Release::Drag},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyRelease(c.elapsed, c.clickTime, c.stayed), c.expected)
            << c.elapsed << " ms of " << c.clickTime;
}

TEST(PlanHover, MiniNotesExpandAndCollapseAsThePointerMoves) {
    struct Case {
        int expanded, hovered;
        bool mini, ctrl;
        bool collapse, onNote, expand;
    };
    const Case cases[] = {
        {-1, 2, true, false, false, true, true},    // onto a mini note
        {-1, 2, false, false, false, true, false},  // onto a full note
        {2, 2, true, false, false, false, false},   // still over the expanded note
        {2, 3, false, false, true, true, false},    // onto another note
        {2, 3, true, false, true, true, true},      // onto another mini note
        {2, 2, true, true, true, false, false},     // Ctrl over the expanded note
        {-1, 2, true, true, false, false, false},   // Ctrl expands nothing
        {2, -1, false, false, true, false, false},  // a window that is no note
    };
    for (const Case& c : cases) {
        HoverPlan plan = PlanHover(c.expanded, c.hovered, c.mini, c.ctrl);
        EXPECT_EQ(plan.collapse, c.collapse) << c.expanded << " " << c.hovered;
        EXPECT_EQ(plan.onNote, c.onNote) << c.expanded << " " << c.hovered;
        EXPECT_EQ(plan.expand, c.expand) << c.expanded << " " << c.hovered;
    }
}

TEST(NoteMenu, ItemsAreInsertedSoTheyShowCopyFirst) {
    const std::vector<MenuEntry>& items = NoteMenuItems();
    ASSERT_EQ(items.size(), 6u);
    // Inserted at the top one after the other: the last inserted is shown first.
    EXPECT_EQ(items.back().text, "C.クリップボードにコピー");
    EXPECT_EQ(items.back().command, 6u);
    EXPECT_EQ(items.front().text, "移動");
    EXPECT_EQ(items[1].command, 3u);
    EXPECT_EQ(items[3].command, 4u);
}

TEST(MoveMenuEntries, CurrentBoardIsLeftOutButUsesUpItsNumber) {
    std::vector<std::string> folder = {"a.txt", "marnelo.txt", "b.txt"};
    std::vector<std::string> outside = {"D:\\x.txt", "", "E:\\y.txt"};
    std::vector<MenuEntry> entries = MoveMenuEntries(folder, outside, "marnelo.txt");
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].command, 10u);
    EXPECT_EQ(entries[1].command, 12u);
    EXPECT_EQ(entries[1].text, "b.txt");
    EXPECT_EQ(entries[2].command, 13u);
    EXPECT_EQ(entries[3].command, 15u) << "an emptied entry keeps its number too";
    EXPECT_EQ(entries[3].text, "E:\\y.txt");

    EXPECT_EQ(MoveTargetOf(12, folder, outside), "b.txt");
    EXPECT_EQ(MoveTargetOf(13, folder, outside), "D:\\x.txt");
    EXPECT_EQ(MoveTargetOf(15, folder, outside), "E:\\y.txt");
    EXPECT_FALSE(MoveTargetOf(14, folder, outside));
    EXPECT_FALSE(MoveTargetOf(16, folder, outside));
    EXPECT_FALSE(MoveTargetOf(6, folder, outside));
}

TEST(MoveMenuEntries, OutsideBoardNamedAsTheCurrentOneIsComparedExactly) {
    // At start-up with a path the board's name is that whole path.
    std::vector<MenuEntry> entries = MoveMenuEntries({"a.txt"}, {"D:\\m\\a.txt"}, "D:\\m\\a.txt");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text, "a.txt");
}
