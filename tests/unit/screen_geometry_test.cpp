#include "common/screen_geometry.h"

#include <gtest/gtest.h>

#include <climits>

TEST(ScreenUnits, UnitsComeBackFromPixelsAtEveryCommonDpi) {
    for (int dpi : {96, 120, 144, 192, 288})
        for (int units : {0, 1, 2, 3, 7, 10, 90, 1919, -1, -7, -1920, -3841})
            EXPECT_EQ(PixelsToUnits(UnitsToPixels(units, dpi), dpi), units)
                << units << " at " << dpi;
    struct Case {
        int value, dpi, pixels, units;
    };
    const Case cases[] = {
        {10, 96, 10, 10},
        {10, 144, 15, 7},
        {3, 120, 4, 2},
        {-3, 120, -4, -2},
        {12, 192, 24, 6},
        {-1920, 192, -3840, -960},
        {5, 0, 5, 5},  // no DPI: 96
        {INT_MAX, 192, INT_MAX, INT_MAX / 2 + 1},
        {INT_MIN, 192, INT_MIN, INT_MIN / 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UnitsToPixels(c.value, c.dpi), c.pixels) << c.value << " at " << c.dpi;
        EXPECT_EQ(PixelsToUnits(c.value, c.dpi), c.units) << c.value << " at " << c.dpi;
    }
    EXPECT_EQ(UnitsToPixels(ScreenBox{-100, 50, 90, 51}, 192), (ScreenBox{-200, 100, 180, 102}));
}

TEST(ScreenAreas, NearestAreaAndPullingInside) {
    const std::vector<ScreenBox> areas = {{0, 0, 1920, 1040}, {-1280, 200, 1280, 984}};
    struct Case {
        ScreenBox box;
        bool touches;
        int nearest;
        ScreenBox pulledInNearest;
    };
    const Case cases[] = {
        {{100, 100, 90, 50}, true, 0, {100, 100, 90, 50}},
        {{1900, 1000, 90, 50}, true, 0, {1830, 990, 90, 50}},  // partly on: touches
        {{1920, 100, 90, 50}, false, 0, {1830, 100, 90, 50}},  // just right of the edge
        {{5000, 3000, 90, 50}, false, 0, {1830, 990, 90, 50}},
        {{-1300, 100, 90, 50}, false, 1, {-1280, 200, 90, 50}},
        {{-90, 100, 90, 50}, false, 0, {0, 100, 90, 50}},      // nearer the primary's edge
        {{-200, 150, 400, 100}, true, 0, {0, 150, 400, 100}},  // most of it on the primary
        {{100, -5000, 3000, 50}, false, 0, {0, 0, 3000, 50}},  // wider than any area
        {{100, 1100, 0, 0}, false, 0, {100, 1040, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TouchesAnyArea(c.box, areas), c.touches) << c.box.left << "," << c.box.top;
        ASSERT_EQ(NearestArea(c.box, areas), c.nearest) << c.box.left << "," << c.box.top;
        EXPECT_EQ(PullInside(c.box, areas[c.nearest]), c.pulledInNearest)
            << c.box.left << "," << c.box.top;
    }
    EXPECT_EQ(NearestArea({0, 0, 10, 10}, {}), -1);
    // A question the system put on the note's monitor stays; one put elsewhere is centred.
    EXPECT_EQ(QuestionPlace({3900, 100, 300, 120}, {3840, 0, 1920, 1040}),
              (ScreenBox{3900, 100, 300, 120}));
    EXPECT_EQ(QuestionPlace({100, 100, 300, 120}, {3840, 0, 1920, 1040}),
              (ScreenBox{4650, 460, 300, 120}));
}

namespace {
// A 4K laptop at 200 % with a 1080p screen at 96 DPI on its right and one at 144 on its left.
const std::vector<MonitorArea> kMixed = {
    {{0, 0, 3840, 2160}, {0, 0, 3840, 2080}, 192},
    {{3840, 0, 1920, 1080}, {3840, 0, 1920, 1040}, 96},
    {{-2880, 0, 2880, 1620}, {-2880, 0, 2880, 1560}, 144},
};
const std::vector<MonitorArea> kSmall = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96}};
}  // namespace

TEST(PlaceUnits, StoredBoxesLandOnTheirMonitorAtItsDpiOrWithinReach) {
    struct Case {
        const std::vector<MonitorArea>* monitors;
        ScreenBox units;
        ScreenBox pixels;
        int dpi;
    };
    const Case cases[] = {
        {&kMixed, {100, 100, 90, 50}, {200, 200, 180, 100}, 192},
        {&kMixed, {3900, 100, 90, 50}, {3900, 100, 90, 50}, 96},
        {&kMixed, {-1900, 100, 90, 50}, {-2850, 150, 135, 75}, 144},
        // Between the laptop's 1920 units and the right screen's 3840: scaled for the nearer
        // laptop, that lands on the right screen, whose DPI then sizes it.
        {&kMixed, {2000, 100, 90, 50}, {4000, 200, 90, 50}, 96},
        {&kSmall, {3000, 500, 90, 50}, {1830, 500, 90, 50}, 96},  // saved on a wider screen
        {&kSmall, {-500, -500, 90, 50}, {0, 0, 90, 50}, 96},
        {&kSmall, {1900, 1000, 90, 50}, {1900, 1000, 90, 50}, 96},  // partly on screen stays
        {nullptr, {-500, 20, 90, 50}, {-500, 20, 90, 50}, 96},      // no monitor known: as stored
    };
    const std::vector<MonitorArea> none;
    for (const Case& c : cases) {
        WindowPlace place = PlaceUnits(c.units, c.monitors ? *c.monitors : none);
        EXPECT_EQ(place.pixels, c.pixels) << c.units.left << "," << c.units.top;
        EXPECT_EQ(place.dpi, c.dpi) << c.units.left << "," << c.units.top;
        EXPECT_EQ(place.units, c.units);
    }
}

TEST(UnitsOf, AWindowLeftWhereItWasPutKeepsItsStoredPlace) {
    // Pulled in from far right: while it stays, the stored place is what it stands for.
    WindowPlace pulled = PlaceUnits({3000, 500, 91, 51}, kSmall);
    EXPECT_EQ(UnitsOf(pulled, pulled.pixels, 96), (ScreenBox{3000, 500, 91, 51}));
    EXPECT_EQ(UnitsOf(pulled, {400, 300, 91, 51}, 96), (ScreenBox{400, 300, 91, 51}));
    EXPECT_EQ(UnitsOf(pulled, {1829, 500, 120, 60}, 96), (ScreenBox{3000, 500, 120, 60}));
    // At 192 DPI the odd pixel sizes of a resize round to units.
    WindowPlace big = PlaceUnits({100, 100, 91, 51}, kMixed);
    EXPECT_EQ(UnitsOf(big, big.pixels, 192), (ScreenBox{100, 100, 91, 51}));
    EXPECT_EQ(UnitsOf(big, {201, 200, 183, 102}, 192), (ScreenBox{101, 100, 92, 51}));
}

TEST(ReplaceOnScreens, NotesComeBackWithTheirMonitorAndStayReachableWithoutIt) {
    std::vector<MonitorArea> both = kSmall;
    both.push_back({{1920, 0, 1920, 1080}, {1920, 0, 1920, 1040}, 96});
    WindowPlace onSecond = PlaceUnits({3000, 500, 90, 50}, both);
    ASSERT_EQ(onSecond.pixels.left, 3000);
    // The second screen goes: pulled in, stored place kept.
    WindowPlace gone = ReplaceOnScreens(onSecond, onSecond.pixels, 96, kSmall);
    EXPECT_EQ(gone.pixels, (ScreenBox{1830, 500, 90, 50}));
    EXPECT_EQ(gone.units.left, 3000);
    // It comes back: so does the note.
    EXPECT_EQ(ReplaceOnScreens(gone, gone.pixels, 96, both).pixels.left, 3000);
    // Moved by the user meanwhile: the new place is kept and stored.
    WindowPlace moved = ReplaceOnScreens(gone, {700, 600, 90, 50}, 96, both);
    EXPECT_EQ(moved.pixels, (ScreenBox{700, 600, 90, 50}));
    EXPECT_EQ(moved.units, (ScreenBox{700, 600, 90, 50}));
    // Moved onto the screen that then went: pulled in again.
    WindowPlace movedAway = ReplaceOnScreens(gone, {3500, 100, 90, 50}, 96, kSmall);
    EXPECT_EQ(movedAway.pixels, (ScreenBox{1830, 100, 90, 50}));
    EXPECT_EQ(movedAway.units.left, 3500);
}

TEST(FitDialog, ADialogTallerThanTheScreenShrinksItsClientAreaToFit) {
    const ScreenBox area{0, 0, 1280, 994};
    struct Case {
        ScreenBox outer;
        int clientWidth, clientHeight;
        ScreenBox box;
        int numerator, denominator;
    };
    const Case cases[] = {
        {{300, 200, 500, 600}, 494, 570, {300, 200, 500, 600}, 1, 1},
        {{900, 600, 500, 600}, 494, 570, {780, 394, 500, 600}, 1, 1},  // moved in whole
        // 30 pixels of caption and frame stay; 1 094 - 30 of client shrink to 994 - 30.
        {{100, -20, 1000, 1094}, 994, 1064, {100, 0, 907, 994}, 964, 1064},
        {{-3000, 0, 2000, 500}, 1994, 470, {0, 0, 1280, 330}, 1274, 1994},
        {{0, 0, 10, 10}, 0, 0, {0, 0, 10, 10}, 1, 1},
    };
    for (const Case& c : cases) {
        DialogFit fit = FitDialog(c.outer, c.clientWidth, c.clientHeight, area);
        EXPECT_EQ(fit.box, c.box) << c.outer.left << "," << c.outer.top;
        EXPECT_EQ(fit.numerator, c.numerator);
        EXPECT_EQ(fit.denominator, c.denominator);
    }
}
