// The key tables of the input line and of every subclassed control: what a key does, which
// messages the control never sees, which characters it sees changed.
#include <gtest/gtest.h>

#include "utility/rules/input_keys.h"

namespace {

KeyInput Down(unsigned key, bool ctrl = false, bool shift = false, bool alt = false) {
    return {KeyKind::KeyDown, key, false, ctrl, shift, alt};
}
KeyInput Up(unsigned key, bool alt = false) {
    return {KeyKind::KeyUp, key, false, false, false, alt};
}
KeyInput Char(unsigned code, bool ctrl = false) {
    return {KeyKind::Char, code, false, ctrl, false, false};
}

TEST(QuorvelInputLineKeys, EscapeDependsOnTheLineAndTheParentLevelF10CyclesTheMode) {
    struct Case {
        KeyInput input;
        bool empty;
        int level;
        KeyAction action;
        Disposition disposition;
    };
    const Case cases[] = {
        {Down(Vk::Escape, false, true), false, 2, KeyAction::ForgetTransfer, Disposition::Consumed},
        {Down(Vk::Escape), false, 2, KeyAction::ClearInputLine, Disposition::PassOn},
        {Down(Vk::Escape), true, 2, KeyAction::ResetParentLevel, Disposition::PassOn},
        {Down(Vk::Escape), true, 0, KeyAction::ShowDrives, Disposition::PassOn},
        {Down('A'), true, 0, KeyAction::None, Disposition::PassOn},
        {Down(Vk::F10), false, 0, KeyAction::CycleMode, Disposition::Consumed},
        {Down(Vk::F10), true, 2, KeyAction::CycleMode, Disposition::Consumed},
    };
    for (const Case& c : cases) {
        KeyDecision d = InputLineKey(c.input, {c.empty, c.level});
        EXPECT_EQ(d.action, c.action) << c.empty << " " << c.level;
        EXPECT_EQ(d.disposition, c.disposition) << c.empty << " " << c.level;
    }
}

TEST(QuorvelInputLineKeys, EveryReleaseRefiltersAndTheArrowsMoveTheFocus) {
    EXPECT_EQ(InputLineKey(Up(Vk::Down), {}).action, KeyAction::FocusBoardList);
    EXPECT_EQ(InputLineKey(Up(Vk::Up), {}).action, KeyAction::FocusFirstRow);
    for (unsigned key : {unsigned('X'), Vk::Control, Vk::Tab, Vk::Escape, 0x08u}) {
        KeyDecision d = InputLineKey(Up(key), {});
        EXPECT_EQ(d.action, KeyAction::RefreshLists) << key;
        EXPECT_EQ(d.disposition, Disposition::PassOn) << key;
    }
}

TEST(QuorvelInputLineKeys, EnterEscapeAndControlCharactersNeverReachTheLine) {
    struct Case {
        KeyInput input;
        KeyAction action;
        Disposition disposition;
    };
    const Case cases[] = {
        {Char(13), KeyAction::EnterText, Disposition::Consumed},
        {Char(13, true), KeyAction::EnterText, Disposition::Consumed},
        {Char(27), KeyAction::None, Disposition::Consumed},
        {Char(9), KeyAction::None, Disposition::Consumed},
        {Char(10), KeyAction::None, Disposition::Consumed},
        {Char(16), KeyAction::None, Disposition::Consumed},
        {Char(9, true), KeyAction::None, Disposition::PassOn},
        {Char(16, true), KeyAction::None, Disposition::PassOn},
        {Char('a'), KeyAction::None, Disposition::PassOn},
    };
    for (const Case& c : cases) {
        KeyDecision d = InputLineKey(c.input, {});
        EXPECT_EQ(d.action, c.action) << c.input.code << " ctrl " << c.input.ctrl;
        EXPECT_EQ(d.disposition, c.disposition) << c.input.code << " ctrl " << c.input.ctrl;
    }
}

TEST(QuorvelControlKeys, KeyDownsAndWhetherTheControlStillGetsThem) {
    ControlKeyState full{false, false, false};
    ControlKeyState empty{true, true, false};
    struct Case {
        KeyInput input;
        ControlKeyState state;
        KeyAction action;
        Disposition disposition;
    };
    const Case cases[] = {
        {Down(Vk::Control), full, KeyAction::EmptyKeySequence, Disposition::PassOn},
        {{KeyKind::KeyDown, Vk::Control, true, true, false, false},
         full,
         KeyAction::None,
         Disposition::PassOn},  // the held key's repeats keep the sequence
        {Down(Vk::F12), full, KeyAction::RaiseParentLevel, Disposition::PassOn},
        {Down('U', true), full, KeyAction::ToggleDateFilter, Disposition::PassOn},
        {Down('U', true, true, true), full, KeyAction::ToggleDateFilter, Disposition::PassOn},
        {Down('U'), full, KeyAction::None, Disposition::PassOn},
        {Down('S', true), full, KeyAction::SaveState, Disposition::PassOn},
        {Down('O', true), full, KeyAction::ReloadLists, Disposition::PassOn},
        {Down('W', true, true), full, KeyAction::Quit, Disposition::PassOn},
        {Down('T', true), full, KeyAction::ToggleStamp, Disposition::PassOn},
        {Down(Vk::Tab), full, KeyAction::PickItem, Disposition::ConsumedIfPicked},
        {Down(Vk::Tab, false, true), full, KeyAction::PickItem, Disposition::ConsumedIfPicked},
        {Down(Vk::Right, false, false, true), full, KeyAction::RecentForward, Disposition::PassOn},
        {Down(Vk::Left, false, false, true), full, KeyAction::RecentBack, Disposition::PassOn},
        {Down(Vk::Up, false, false, true), full, KeyAction::BookmarkUp, Disposition::PassOn},
        {Down(Vk::Down, false, false, true), full, KeyAction::BookmarkDown, Disposition::PassOn},
        {Down(Vk::Right, false, false, true), empty, KeyAction::None, Disposition::Consumed},
        {Down(Vk::Left, false, false, true), empty, KeyAction::None, Disposition::Consumed},
        {Down(Vk::Up, false, false, true), empty, KeyAction::None, Disposition::Consumed},
        {Down(Vk::Down, false, false, true), empty, KeyAction::None, Disposition::Consumed},
        {Down(Vk::Down), full, KeyAction::None, Disposition::PassOn},
    };
    for (const Case& c : cases) {
        KeyDecision d = ControlKey(c.input, c.state);
        EXPECT_EQ(d.action, c.action) << c.input.code;
        EXPECT_EQ(d.disposition, c.disposition) << c.input.code;
        if (d.disposition == Disposition::Consumed) {
            EXPECT_EQ(d.result, -1) << c.input.code;
        }
    }
}

TEST(QuorvelControlKeys, ReleasesEndABookmarkWalkAndAltTabIsAnswered) {
    KeyDecision altTab = ControlKey(Up(Vk::Tab, true), {false, false, true});
    EXPECT_EQ(altTab.disposition, Disposition::Consumed);
    EXPECT_EQ(altTab.result, 1);
    EXPECT_EQ(altTab.action, KeyAction::None) << "Alt+Tab does not end the walk";
    for (unsigned key : {Vk::Control, Vk::Tab, unsigned('A'), Vk::Down}) {
        EXPECT_EQ(ControlKey(Up(key), {false, false, true}).action, KeyAction::EndBookmarkWalk)
            << key;
        EXPECT_EQ(ControlKey(Up(key), {false, false, false}).action, KeyAction::None) << key;
        EXPECT_EQ(ControlKey(Up(key), {false, false, true}).disposition, Disposition::PassOn);
    }
}

TEST(QuorvelControlKeys, CharactersRemappedRunOrPassedOn) {
    struct Case {
        KeyInput input;
        KeyAction action;
        Disposition disposition;
        unsigned code;  // as the control gets it
    };
    const Case cases[] = {
        {Char('!'), KeyAction::None, Disposition::PassOn, '1'},
        {Char('"'), KeyAction::None, Disposition::PassOn, '2'},
        {Char(')'), KeyAction::None, Disposition::PassOn, '9'},
        {Char('*'), KeyAction::None, Disposition::PassOn, ':'},
        {Char('+'), KeyAction::None, Disposition::PassOn, '+'},
        {Char(' '), KeyAction::None, Disposition::PassOn, ' '},
        {Char(' ', true), KeyAction::DeleteAllRows, Disposition::Consumed, ' '},
        {Char(1, true), KeyAction::RunKeySequence, Disposition::Consumed, 1},    // Ctrl+A
        {Char(24, true), KeyAction::RunKeySequence, Disposition::Consumed, 24},  // Ctrl+X
        {Char(3, true), KeyAction::RunKeySequence, Disposition::PassOn, 3},      // Ctrl+C
        {Char(22, true), KeyAction::RunKeySequence, Disposition::PassOn, 22},    // Ctrl+V
        {Char(28, true), KeyAction::RunKeySequence, Disposition::Consumed, 28},
        {Char(29, true), KeyAction::None, Disposition::PassOn, 29},
        {Char(8), KeyAction::None, Disposition::PassOn, 8},  // Backspace without Ctrl
        {Char(0x82), KeyAction::None, Disposition::PassOn, 0x82},
    };
    for (const Case& c : cases) {
        KeyDecision d = ControlKey(c.input, {});
        EXPECT_EQ(d.action, c.action) << c.input.code;
        EXPECT_EQ(d.disposition, c.disposition) << c.input.code;
        EXPECT_EQ(d.code, c.code) << c.input.code;
    }
}

TEST(QuorvelControlKeys, DropsAndTheListViewsDeleteAll) {
    KeyDecision drop = ControlKey({KeyKind::DropFiles}, {});
    EXPECT_EQ(drop.action, KeyAction::HandleDrop);
    EXPECT_EQ(drop.disposition, Disposition::PassOn);
    KeyDecision deleteAll = ControlKey({KeyKind::DeleteAllItems}, {});
    EXPECT_EQ(deleteAll.disposition, Disposition::Consumed);
    EXPECT_EQ(deleteAll.result, 0);
    EXPECT_EQ(ControlKey({KeyKind::Other, 0x200}, {}).disposition, Disposition::PassOn);
}

}  // namespace
