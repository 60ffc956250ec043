// What the keys set going: the date filter toggle, the history and bookmark walks, the Ctrl
// letter sequences, a double-click on a row and the day's history.
#include <gtest/gtest.h>

#include "common/quotes.h"
#include "utility/model/path_text.h"
#include "utility/model/recent_list.h"
#include "utility/rules/key_commands.h"
#include "utility/rules/row_action.h"

namespace {

UtilitySettings Filter(int date, int date2, bool exclude) {
    UtilitySettings s;
    s.filterdate = date;
    s.filterdate2 = date2;
    s.excludeDate = exclude;
    return s;
}

TEST(QuorvelDateFilter, CtrlUTwiceReturnsToTheFirstState) {
    for (bool exclude : {false, true}) {
        UtilitySettings s = Filter(7, -2, exclude);
        DateFilterToggle off = ToggleDateFilter(s, false, false);
        EXPECT_EQ(s.filterdate, -1);
        EXPECT_EQ(s.filterdate2, 7);
        EXPECT_EQ(off.boxText, std::optional<std::string>(""));
        EXPECT_TRUE(off.relist);
        DateFilterToggle on = ToggleDateFilter(s, false, false);
        EXPECT_EQ(s.filterdate, 7);
        EXPECT_EQ(s.filterdate2, -2);
        EXPECT_EQ(s.excludeDate, exclude);
        EXPECT_EQ(on.boxText, std::optional<std::string>(exclude ? "^7" : "7"));
    }
}

TEST(QuorvelDateFilter, ShiftFlipsTheFlagAndSwitchesOnWithTheRememberedValue) {
    UtilitySettings on = Filter(7, -2, false);
    DateFilterToggle t = ToggleDateFilter(on, true, false);
    EXPECT_EQ(on.filterdate, 7) << "off by the Shift, on again by the toggle";
    EXPECT_TRUE(on.excludeDate);
    EXPECT_EQ(t.boxText, std::optional<std::string>("^7"));

    UtilitySettings off = Filter(-1, 5, true);
    t = ToggleDateFilter(off, true, false);
    EXPECT_EQ(off.filterdate, 5);
    EXPECT_EQ(off.filterdate2, -2);
    EXPECT_FALSE(off.excludeDate);
    EXPECT_EQ(t.boxText, std::optional<std::string>("5"));
}

TEST(QuorvelDateFilter, AltOnlyFocusesTheValuesBox) {
    UtilitySettings s = Filter(7, -2, false);
    DateFilterToggle t = ToggleDateFilter(s, false, true);
    EXPECT_TRUE(t.focusCommandBox);
    EXPECT_FALSE(t.relist);
    EXPECT_FALSE(t.boxText.has_value());
    EXPECT_EQ(s.filterdate, 7);

    t = ToggleDateFilter(s, true, true);
    EXPECT_TRUE(s.excludeDate) << "Shift's part still runs";
    EXPECT_EQ(s.filterdate, -1);
    EXPECT_EQ(s.filterdate2, 7);
    EXPECT_FALSE(t.relist);
}

TEST(QuorvelDateFilter, NothingRememberedStillSwitchesDatesOn) {
    for (int remembered : {-2, -1}) {
        UtilitySettings s = Filter(-1, remembered, false);
        DateFilterToggle t = ToggleDateFilter(s, false, false);
        EXPECT_EQ(s.filterdate, 0) << remembered;
        EXPECT_EQ(s.filterdate2, -2);
        EXPECT_EQ(t.boxText, std::optional<std::string>("0"));
        ToggleDateFilter(s, false, false);
        EXPECT_EQ(s.filterdate, -1);
        EXPECT_EQ(s.filterdate2, 0);
    }
    UtilitySettings negative = Filter(-1, -5, true);
    ToggleDateFilter(negative, false, false);
    EXPECT_EQ(negative.filterdate, -5) << "any value but -1 records dates";
}

TEST(QuorvelRecentStep, StaysOnTheLastAndTheFirstPair) {
    RecentList recent;
    EXPECT_FALSE(StepRecent(recent, true).has_value());
    EXPECT_FALSE(StepRecent(recent, false).has_value());
    ParseRecentText(recent, "C:\\a\tone\nC:\\b\t\nC:\\c\tthree\n");
    ASSERT_EQ(recent.cursor, 2) << "a loaded day starts on its newest pair";
    EXPECT_EQ(StepRecent(recent, true)->folder, "C:\\c");
    EXPECT_EQ(recent.cursor, 2);
    EXPECT_EQ(StepRecent(recent, false)->folder, "C:\\b");
    std::optional<RecentPair> first = StepRecent(recent, false);
    EXPECT_EQ(first->folder, "C:\\a");
    EXPECT_EQ(first->text, "one");
    EXPECT_EQ(StepRecent(recent, false)->folder, "C:\\a");
    EXPECT_EQ(recent.cursor, 0);
    EXPECT_EQ(StepRecent(recent, true)->folder, "C:\\b");

    RecentList single;
    AddRecent(single, "C:\\only", "");
    ASSERT_EQ(single.cursor, -1);
    EXPECT_EQ(StepRecent(single, false)->folder, "C:\\only") << "from -1 back gives the first";
    single.cursor = 5;  // past the end
    EXPECT_EQ(StepRecent(single, true)->folder, "C:\\only");
}

TEST(QuorvelBookmarkStep, StaysOnTheFirstAndTheLastItem) {
    struct Case {
        int cursor, count;
        bool up;
        int expected;
    };
    const Case cases[] = {
        {-1, 3, false, 0}, {0, 3, false, 1}, {2, 3, false, 2}, {-1, 3, true, 0},
        {2, 3, true, 1},   {0, 3, true, 0},  {7, 3, true, 2},  {-1, 0, false, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepBookmark(c.cursor, c.count, c.up), c.expected)
            << c.cursor << " of " << c.count << (c.up ? " up" : " down");
}

TEST(QuorvelKeySequence, LettersSpellANotesTextAndRunItsCommand) {
    std::vector<NotePair> pairs = {{"ab", "first.exe"},
                                   {"abc", "C:\\tools\\abc.exe"},
                                   {"abc", "second.exe"},
                                   {"Abc", "upper.exe"},
                                   {"|{", "odd"}};
    KeySequence sequence;
    EXPECT_FALSE(FindSequenceCommand(pairs, sequence.Letters()).has_value());
    for (int c : {1, 2, 3}) ASSERT_TRUE(sequence.Append(c));
    EXPECT_EQ(sequence.Letters(), "abc");
    EXPECT_EQ(FindSequenceCommand(pairs, sequence.Letters()),
              std::optional<std::string>("C:\\tools\\abc.exe"))
        << "exact and case-sensitive, the first match";
    sequence.Clear();
    sequence.Append(28);
    sequence.Append(27);
    EXPECT_EQ(FindSequenceCommand(pairs, sequence.Letters()), std::optional<std::string>("odd"));
    EXPECT_FALSE(sequence.Append(0));
    EXPECT_FALSE(sequence.Append(29));

    sequence.Clear();
    for (int c = 1; c <= 7; ++c) EXPECT_TRUE(sequence.Append(c));
    EXPECT_FALSE(sequence.Append(8)) << "an eighth letter waits for the next Ctrl";
    EXPECT_EQ(sequence.Letters(), "abcdefg");
}

ResultList Listed() {
    ResultList results;
    AddResult(results, "my sub", "C:\\d\\my sub\\*", "");
    AddResult(results, "a.txt", "C:\\d\\a.txt", "");
    AddResult(results, "C:\\", "C:\\*", "");
    results.rowMap = {1, 0, -1, 2, 9};
    return results;
}

TEST(QuorvelRowAction, FoldersListOrOpenFilesStartOrOpenTheirFolder) {
    ResultList results = Listed();
    struct Case {
        int row;
        bool ctrl;
        const char* nowDir;
        RowActionKind kind;
        const char* target;
        const char* inputLine;
    };
    const Case cases[] = {
        {0, false, "C:\\d\\*", RowActionKind::Open, "C:\\d\\a.txt", ""},
        {0, true, "C:\\d\\*", RowActionKind::OpenListedFolder, "C:\\d", ""},
        {0, true, "C:\\d", RowActionKind::OpenListedFolder, "C:\\d", ""},  // from the history
        {0, true, "C:", RowActionKind::Nothing, "", ""},
        {1, false, "", RowActionKind::ListFolder, "C:\\d\\my sub\\*", "C:\\d\\my sub\\*"},
        {1, true, "", RowActionKind::OpenInExplorer, "\"C:\\d\\my sub\"", "C:\\d\\my sub\\*"},
        {3, false, "", RowActionKind::ListFolder, "C:\\*", "C:\\*"},
        {2, false, "", RowActionKind::Nothing, "", ""},   // a note row
        {4, false, "", RowActionKind::Nothing, "", ""},   // rowMap names no entry
        {5, false, "", RowActionKind::Nothing, "", ""},   // no such row
        {-1, false, "", RowActionKind::Nothing, "", ""},  // nothing focused
    };
    for (const Case& c : cases) {
        RowAction a = PlanRowAction(results, c.row, c.ctrl, c.nowDir);
        EXPECT_EQ(a.kind, c.kind) << c.row << " ctrl " << c.ctrl;
        EXPECT_EQ(a.target, c.target) << c.row << " ctrl " << c.ctrl;
        EXPECT_EQ(a.inputLine, c.inputLine) << c.row << " ctrl " << c.ctrl;
    }
    EXPECT_EQ(results.entries[0].path, "C:\\d\\my sub\\*") << "the entry stays a folder entry";
}

TEST(QuorvelRowAction, RowCommandsTakeEntryRowsOnly) {
    ResultList results = Listed();
    EXPECT_EQ(EntryPathOfRow(results, 0), "C:\\d\\a.txt");
    for (int row : {2, 4, 5, -1}) EXPECT_EQ(EntryPathOfRow(results, row), std::nullopt) << row;
    // Note rows, rows of no entry, the drive and a row chosen twice delete nothing more.
    EXPECT_EQ(PathsToDelete(results, {0, 1, 2, 3, 4, 0}),
              (std::vector<std::string>{"C:\\d\\a.txt", "C:\\d\\my sub\\*"}));
}

TEST(QuorvelPathText, QuotingAndDriveRoots) {
    EXPECT_EQ(QuoteIfSpaced("C:\\my files\\a.txt"), "\"C:\\my files\\a.txt\"");
    EXPECT_EQ(QuoteIfSpaced("C:\\files\\a.txt"), "C:\\files\\a.txt");
    EXPECT_EQ(QuoteIfSpaced("C:\\全角\x81\x40空白"), "C:\\全角\x81\x40空白") << "ASCII spaces only";
    for (const char* drive : {"C:\\*", "C:\\", "C:", "", "\\*"})
        EXPECT_TRUE(IsDriveOrEmpty(drive)) << drive;
    for (const char* path : {"C:\\a\\*", "C:\\a", "a.txt"}) EXPECT_FALSE(IsDriveOrEmpty(path));
    EXPECT_EQ(WithoutEnclosingQuotes("\"C:\\My Docs\""), "C:\\My Docs");
    EXPECT_EQ(WithoutEnclosingQuotes("\"a"), "\"a");
    EXPECT_EQ(WithoutEnclosingQuotes("\""), "\"");
}

TEST(QuorvelPathText, TypedFolderByTheFolderThatMustExist) {
    std::vector<std::string> asked;
    auto exists = [&](const std::string& folder) {
        asked.push_back(folder);
        return folder != "C:\\gone";
    };
    struct Case {
        const char* typed;
        const char* listed;  // nullptr: nothing
        const char* asked;   // nullptr: nothing asked
    };
    const Case cases[] = {
        {"C:\\data", "C:\\data", "C:\\data"},
        {"\"C:\\my docs\"", "C:\\my docs", "C:\\my docs"},
        {"C:\\data\\*", "C:\\data\\*", "C:\\data"},
        {"C:\\data\\ab*", "C:\\data\\ab*", "C:\\data"},  // a name pattern by its folder
        {"C:", "C:", "C:\\"},
        {"C:\\gone", nullptr, "C:\\gone"},
        {"", nullptr, nullptr},
        {"\"\"", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        asked.clear();
        std::optional<std::string> folder = TypedFolder(c.typed, exists);
        EXPECT_EQ(folder.value_or("<none>"), c.listed ? c.listed : "<none>") << c.typed;
        EXPECT_EQ(asked, c.asked ? std::vector<std::string>{c.asked} : std::vector<std::string>{})
            << c.typed;
    }
}

TEST(QuorvelRecent, TrimmedQuotedMovedToTheEndWithTheCursorKept) {
    RecentList recent;
    AddRecent(recent, "C:\\a\\*", "text\\");
    AddRecent(recent, "\"C:\\b c\"\\", "");
    AddRecent(recent, "C:\\d\\", "x");
    ASSERT_EQ(recent.pairs.size(), 3u);
    EXPECT_EQ(recent.pairs[0].folder, "C:\\a");
    EXPECT_EQ(recent.pairs[0].text, "text\\") << "the text is kept as given";
    EXPECT_EQ(recent.pairs[1].folder, "C:\\b c") << "quotes go after the trailing separator";
    EXPECT_EQ(recent.cursor, 2);
    recent.cursor = 0;
    AddRecent(recent, "C:\\a", "text");
    ASSERT_EQ(recent.pairs.size(), 3u) << "the same pair, trimmed on both sides";
    EXPECT_EQ(recent.pairs[2].folder, "C:\\a");
    EXPECT_EQ(recent.pairs[0].folder, "C:\\b c");
    EXPECT_EQ(recent.cursor, 0) << "a pair moved to the end leaves the cursor";
    AddRecent(recent, "C:\\a", "other");
    EXPECT_EQ(recent.pairs.size(), 4u) << "another text is another pair";
    AddRecent(recent, "C:\\表", "");
    EXPECT_EQ(recent.pairs.back().folder, "C:\\表") << "a trail byte 0x5C is not cut";

    RecentList twice;
    ParseRecentText(twice, "C:\\a\tx\r\nC:\\b\t\r\r\nC:\\a\tx\n");
    ASSERT_EQ(twice.pairs.size(), 2u);
    EXPECT_EQ(twice.pairs[0].folder, "C:\\b");
    EXPECT_EQ(twice.pairs[1].folder, "C:\\a") << "a pair held twice ends up at its later place";
    EXPECT_EQ(twice.cursor, 1);
}

TEST(QuorvelRecent, APastedLineBreakOrAnOverLongTextCannotSplitTheHistoryFile) {
    RecentList recent;
    AddRecent(recent, "C:\\a", "first\r\nC:\\evil\tline");
    ASSERT_EQ(recent.pairs.size(), 1u);
    EXPECT_EQ(recent.pairs[0].text, "first");
    AddRecent(recent, "C:\\b\nC:\\c", "");
    EXPECT_EQ(recent.pairs.back().folder, "C:\\b");

    std::string longFolder = "C:\\" + std::string(251, 'x') + "表";  // 0x95 at byte 254
    AddRecent(recent, longFolder, std::string(300, 't'));
    EXPECT_EQ(recent.pairs.back().folder, longFolder.substr(0, 254)) << "no lone lead byte";
    EXPECT_EQ(recent.pairs.back().text.size(), 255u);

    RecentList reread;
    std::string stored;
    for (const RecentPair& pair : recent.pairs) stored += pair.folder + "\t" + pair.text + "\r\n";
    ParseRecentText(reread, stored);
    EXPECT_EQ(reread.pairs.size(), 3u);
}

}  // namespace
