#include "launcher/rules/gestures.h"

#include <gtest/gtest.h>

#include <climits>

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

TEST(PointerKeepsNoteExpanded, StrictlyInsideTheSettingsBoxAtTheCorner) {
    // A note expanded at (100, 200); the box is DefaultX 40 by DefaultY 20.
    EXPECT_TRUE(PointerKeepsNoteExpanded(101, 201, 100, 200, 40, 20));
    EXPECT_TRUE(PointerKeepsNoteExpanded(139, 219, 100, 200, 40, 20));
    EXPECT_FALSE(PointerKeepsNoteExpanded(100, 210, 100, 200, 40, 20));  // on the edge
    EXPECT_FALSE(PointerKeepsNoteExpanded(140, 210, 100, 200, 40, 20));
    EXPECT_FALSE(PointerKeepsNoteExpanded(120, 220, 100, 200, 40, 20));
    // Still over the expanded part of the note, but outside the box: it collapses.
    EXPECT_FALSE(PointerKeepsNoteExpanded(180, 250, 100, 200, 40, 20));
    EXPECT_FALSE(PointerKeepsNoteExpanded(101, 201, 100, 200, 0, 0));
}

TEST(PointerKeepsNoteExpanded, ExtremeBoxFromTheSettingsDoesNotWrap) {
    EXPECT_TRUE(PointerKeepsNoteExpanded(2000, 2000, 100, 200, INT_MAX, INT_MAX));
    EXPECT_FALSE(PointerKeepsNoteExpanded(2000, 2000, 100, 200, INT_MIN, INT_MIN));
}
