// The harness's real input must land where later tests aim it.
#include <gtest/gtest.h>

#include "harness/ui.h"
#include "harness/wait.h"

TEST(Harness, PointerMovesLandOnThePixelAimedAt) {
    for (POINT target : {POINT{0, 0}, POINT{137, 251}, POINT{999, 700}}) {
        MovePointerTo(target.x, target.y);
        POINT seen{};
        EXPECT_TRUE(WaitFor(
            [&] {
                GetCursorPos(&seen);
                return seen.x == target.x && seen.y == target.y;
            },
            2000))
            << target.x << "," << target.y << " landed at " << seen.x << "," << seen.y;
    }
}

TEST(Harness, KeysArePressedAndReleased) {
    PressKey(VK_CONTROL);
    EXPECT_TRUE(WaitFor([] { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }, 2000));
    ReleaseKey(VK_CONTROL);
    EXPECT_TRUE(WaitFor([] { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) == 0; }, 2000));
}

TEST(Harness, ClipboardRoundTripKeepsDoubleByteText) {
    SetClipboardText("表示\\テスト");
    EXPECT_EQ(ClipboardText(), "表示\\テスト");
}
