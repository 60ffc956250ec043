// The keys of the lists: digits, wrapping, Backspace's parent folder, the F6 to F9 commands,
// the mode cycle, stamps and bookmarks.
#include <gtest/gtest.h>

#include "utility/model/mode_cycle.h"
#include "utility/model/stamp_list.h"
#include "utility/rules/list_keys.h"

namespace {

TEST(QuorvelListKeys, DigitsPickTheFirstTenBoardItems) {
    struct Case {
        unsigned key;
        bool boardList;
        int selection, count;
        std::optional<int> index;
    };
    const Case cases[] = {
        {'1', true, 5, 12, 0},  {'9', true, 5, 12, 8},           {'0', true, 5, 12, 9},
        {47, true, 5, 12, 9},   {'3', true, 0, 2, std::nullopt},  // fewer items than asked
        {'3', false, 5, 12, 5},  // only the board list box numbers its items
        {'A', true, 4, 12, 4},  {0, true, -1, 12, std::nullopt},  // nothing selected
        {58, true, 7, 12, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListBoxItemIndex(c.key, c.boardList, c.selection, c.count), c.index) << c.key;
}

TEST(QuorvelListKeys, WhatEachKeyOfTheListsDecides) {
    using K = ListKey;
    using P = ListKeyPass;
    struct Case {
        ListKeyDecision decision;
        K action;
        P pass;
        bool focusInput;
        const char* what;
    };
    const Case cases[] = {
        {BoardListKeyDown(0x0D, false, false), K::OpenBoard, P::ControlKeys, false, "Enter"},
        {BoardListKeyDown(0x28, false, false), K::ArrowDown, P::StandardOnly, false, "Down"},
        {BoardListKeyDown(0x26, true, false), K::ArrowUp, P::StandardOnly, false, "Ctrl+Up"},
        {BoardListKeyDown(0x1B, false, false), K::FocusInput, P::ControlKeys, true, "Esc"},
        {BoardListKeyDown(0x2E, false, false), K::DeleteBoard, P::ControlKeys, false, "Del"},
        {BoardListKeyDown(0x79, false, false), K::CycleMode, P::ControlKeys, false, "F10"},
        {BoardListKeyDown(0x7A, false, false), K::ListItem, P::ControlKeys, false, "F11"},
        {BoardListKeyDown(0x70, false, false), K::None, P::InputLineControlKeys, false, "F1"},
        {BoardListKeyDown(0x11, false, false), K::None, P::ControlKeys, false, "Ctrl"},
        {BoardListKeyDown('3', false, false), K::TakeItem, P::ControlKeys, true, "3"},
        {BoardListKeyDown('3', false, true), K::FocusInput, P::ControlKeys, true, "Shift+3"},
        {BoardListChar(3, true), K::Transfer, P::Consumed, false, "Ctrl+C"},
        {BoardListChar(24, true), K::Transfer, P::Consumed, false, "Ctrl+X"},
        {BoardListChar(22, true), K::Paste, P::Consumed, false, "Ctrl+V"},
        {BoardListChar(22, false), K::SendToInputLine, P::Consumed, false, "22 alone"},
        {BoardListChar(3, false), K::SendToInputLine, P::Consumed, false, "3 alone"},
        {BoardListChar('\r', false), K::None, P::ControlKeys, false, "Enter char"},
        {BoardListChar('a', false), K::SendToInputLine, P::Consumed, false, "a"},
        {BoardListChar('3', false), K::None, P::Consumed, false, "a digit chose an item"},
        {ListViewKeyDown(0x0D, false), K::OpenRowBoard, P::ControlKeys, false, "Enter"},
        {ListViewKeyDown(0x28, false), K::ArrowDown, P::ControlKeys, false, "Down"},
        {ListViewKeyDown(0x2E, false), K::DeleteRows, P::ControlKeys, false, "Del"},
        {ListViewKeyDown(0x20, true), K::SelectFocusedRow, P::ControlKeys, false, "Ctrl+Space"},
        {ListViewKeyDown(0x20, false), K::FocusInput, P::ControlKeys, true, "Space"},
        {ListViewKeyDown(0x7A, false), K::AddBookmark, P::ControlKeys, false, "F11"},
        {ListViewKeyDown(0x08, false), K::ParentOfInput, P::ControlKeys, true, "Backspace"},
        {ListViewKeyDown(0xFF, false), K::None, P::ControlKeys, false, "255"},
        {ListViewChar(3, true), K::CopyNoteString, P::Consumed, false, "Ctrl+C"},
        {ListViewChar(24, true), K::CopyNoteString, P::Consumed, false, "Ctrl+X: no file moves"},
        {ListViewChar(16, true), K::CopyEntryPath, P::Consumed, false, "Ctrl+P"},
        {ListViewChar(' ', true), K::None, P::Consumed, false, "Ctrl+Space only selects"},
        {ListViewChar('\b', false), K::None, P::ControlKeys, false, "Backspace char"},
        {ListViewChar('x', false), K::SendToInputLine, P::Consumed, false, "x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.decision.action, c.action) << c.what;
        EXPECT_EQ(c.decision.pass, c.pass) << c.what;
        EXPECT_EQ(c.decision.focusInput, c.focusInput) << c.what;
    }
    for (unsigned key = 0x75; key <= 0x78; ++key) {
        EXPECT_EQ(BoardListKeyDown(key, false, false).command, static_cast<int>(key - 0x75));
        EXPECT_EQ(ListViewKeyDown(key, false).action, ListKey::RunCommand);
    }
}

TEST(QuorvelListKeys, DownAndUpWrapAround) {
    struct Case {
        int count, current;
        bool down;
        WrapKind kind;
        int index;
    };
    const Case cases[] = {
        {0, -1, true, WrapKind::Empty, -1},   {3, 2, true, WrapKind::Wrap, 0},
        {3, 0, false, WrapKind::Wrap, 2},     {3, 0, true, WrapKind::Standard, 1},
        {3, 2, false, WrapKind::Standard, 1}, {3, -1, false, WrapKind::Wrap, 2},
    };
    for (const Case& c : cases) {
        WrapStep step = StepWithWrap(c.count, c.current, c.down);
        EXPECT_EQ(step.kind, c.kind) << c.count << " " << c.current << " " << c.down;
        EXPECT_EQ(step.index, c.index) << c.count << " " << c.current << " " << c.down;
    }
}

TEST(QuorvelListKeys, BackspaceGoesUpAFolder) {
    struct Case {
        const char* text;
        int selectionEnd;
        ParentKind kind;
        const char* result;
    };
    const Case cases[] = {
        {"C:\\a\\b\\*", 0, ParentKind::SetInput, "C:\\a"},
        {"C:\\a\\b", 0, ParentKind::SetInput, "C:\\a"},
        {"C:\\a", 0, ParentKind::SetInput, "C:"},
        {"C:", 0, ParentKind::ListDrives, ""},
        {"C:\\work\\src\\*", 0, ParentKind::SetInput, "C:\\work"},
        {"C:\\*", 0, ParentKind::ListDrives, ""},  // the root's parent is the drive list
        // 表 ends in 0x5C: no folder ends inside it.
        {"C:\\表\\x", 0, ParentKind::SetInput, "C:\\表"},
        {"C:\\a\\表", 0, ParentKind::SetInput, "C:\\a"},
        {"C:\\data\\ab*", 0, ParentKind::SetInput, "C:\\data"},
        {"", 0, ParentKind::SetInput, "C:\\now\\*"},
        {"", 3, ParentKind::SetInput, "C:\\now\\*"},
        {"C:\\a\\b", 2, ParentKind::Nothing, ""},  // the Backspace edits the line
        {"words", 0, ParentKind::ListDrives, ""},
    };
    for (const Case& c : cases) {
        ParentStep step = ParentOfInput(c.text, c.selectionEnd, "C:\\now\\*");
        EXPECT_EQ(step.kind, c.kind) << c.text;
        EXPECT_EQ(step.text, c.result) << c.text;
    }
}

TEST(QuorvelListKeys, FKeyCommands) {
    std::optional<std::string> none;
    struct Case {
        CommandPlan plan;
        CommandKind kind;
        const char* parameters;
    };
    const Case cases[] = {
        {PlanCommandWithText("ed", none), CommandKind::Nothing, ""},
        {PlanCommandWithText("", none), CommandKind::Nothing, ""},
        {PlanCommandWithText("", "C:\\a"), CommandKind::NotRegistered, ""},
        {PlanCommandWithText("ed", "C:\\my docs\\*"), CommandKind::Run, "\"C:\\my docs\""},
        {PlanCommandOnRow("", none), CommandKind::NotRegistered, ""},
        {PlanCommandOnRow("ed", none), CommandKind::Nothing, ""},  // a note row
        {PlanCommandOnRow("ed", "C:\\a\\" + std::string(300, 'x')), CommandKind::Run, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.plan.kind, c.kind) << c.parameters;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(cases[i].plan.parameters, cases[i].parameters) << i;
    EXPECT_EQ(cases[6].plan.parameters.size(), 305u) << "a long path is never cut to another";
    EXPECT_STREQ(kNotRegisteredText, "登録されていません。");
}

TEST(QuorvelListKeys, ClipboardPathAndPastBoards) {
    EXPECT_EQ(ClipboardPath("C:\\d\\sub\\*", false), "C:\\d\\sub");
    EXPECT_EQ(ClipboardPath("C:\\d\\sub\\*", true), "sub");
    EXPECT_EQ(ClipboardPath("C:\\表\\a.txt", true), "a.txt");
    EXPECT_EQ(ClipboardPath("x表", true), "x表");
    BoardList boards;
    AddBoard(boards, "a.txt", 0, 0);
    AddBoard(boards, "old.txt", 1, 0);
    EXPECT_FALSE(IsPastBoard(boards, "a.txt"));
    EXPECT_TRUE(IsPastBoard(boards, "old.txt"));
    EXPECT_FALSE(IsPastBoard(boards, "elsewhere.txt")) << "an unknown board is opened";
}

TEST(QuorvelModes, F10FourTimesComesBack) {
    struct Case {
        int state;
        int next;
        const char* title;
        const char* status;
        bool refresh;
    };
    const Case cases[] = {
        {1, 10, "履歴モード", "履歴モード", true},
        {10, 13, "数字入力モード", "数字入力モード", false},
        {13, 14, "フォルダサイズ表示モード", "フォルダサイズ表示モード", true},
        {14, 1, "Quorvel", "", true},
        {0, 1, "Quorvel", "", true},  // after Shift+Esc
        {7, 1, "Quorvel", "", true},
    };
    for (const Case& c : cases) {
        ModeStep step = CycleMode(static_cast<ModeState>(c.state));
        EXPECT_EQ(static_cast<int>(step.modeState), c.next) << c.state;
        EXPECT_EQ(step.title, c.title) << c.state;
        EXPECT_EQ(step.statusText, c.status) << c.state;
        EXPECT_EQ(step.refreshLists, c.refresh) << c.state;
    }
}

TEST(QuorvelStamps, ToggleAndMenuOrder) {
    std::vector<std::string> stamps;
    EXPECT_EQ(ToggleStampText(stamps, ""), StampToggle::Nothing);
    EXPECT_EQ(ToggleStampText(stamps, "abc"), StampToggle::Added);
    EXPECT_EQ(ToggleStampText(stamps, "abc"), StampToggle::Removed);
    EXPECT_TRUE(stamps.empty());
    for (const char* s : {"a", "b", "c"}) ToggleStampText(stamps, s);
    EXPECT_EQ(ToggleStampText(stamps, ""), StampToggle::ShowMenu);
    std::vector<StampMenuItem> menu = StampMenuItems(stamps);
    ASSERT_EQ(menu.size(), 3u);
    EXPECT_EQ(menu[0].text + menu[1].text + menu[2].text, "cba");
    EXPECT_EQ(StampOfMenuId(stamps, menu[1].id), "b");
    EXPECT_EQ(StampOfMenuId(stamps, 0), std::nullopt) << "the menu was closed";
    EXPECT_EQ(StampOfMenuId(stamps, 4), std::nullopt);
}

TEST(QuorvelStamps, SelectionAndInsertion) {
    struct Case {
        const char* text;
        int start, end;
        const char* selected;
    };
    const Case cases[] = {
        {"xabcx", 1, 4, "abc"}, {"ab\r\n", 0, 4, "ab"}, {"ab\n", 0, 3, "ab"},   {"\n", 0, 1, ""},
        {"abc", 2, 2, ""},      {"abc", 3, 1, "bc"},    {"abc", -5, 99, "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SelectedInputText(c.text, c.start, c.end), c.selected) << c.text;
    InsertedText in = InsertText("C:\\x", 3, 3, "表y");
    EXPECT_EQ(in.text, "C:\\表yx");
    EXPECT_EQ(in.caret, 6);
    EXPECT_EQ(InsertText("ab", 0, 9, "c").text, "abc");
}

TEST(QuorvelBookmarks, DuplicatesKeptAndTheWalkReset) {
    std::vector<std::string> bookmarks;
    int cursor = 0;
    AddBookmark(bookmarks, cursor, "C:\\d");
    EXPECT_EQ(cursor, 0) << "the first bookmark leaves the cursor";
    AddBookmark(bookmarks, cursor, "C:\\d");
    EXPECT_EQ(bookmarks, (std::vector<std::string>{"C:\\d", "C:\\d"}));
    EXPECT_EQ(cursor, -1);
}

}  // namespace

TEST(LinesToOpen, TheSelectionsLinesOrTheLineOfTheCaret) {
    const std::string text = "C:\\a.txt\r\nnotepad\r\n\r\nD:\\b";
    struct Case {
        int start, end;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {0, 19, {"C:\\a.txt", "notepad"}},  // a final line break is left out
        {0, 26, {"C:\\a.txt", "notepad", "D:\\b"}},
        {12, 12, {"notepad"}},  // no selection: the caret's line
        {0, 0, {"C:\\a.txt"}},
        {26, 26, {"D:\\b"}},
        {20, 20, {}},  // an empty line starts nothing
    };
    for (const Case& c : cases) EXPECT_EQ(LinesToOpen(text, c.start, c.end), c.lines) << c.start;
}
