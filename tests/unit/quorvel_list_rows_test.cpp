// What the list view, the board list box and the bookmark list box show for a typed text.
#include <gtest/gtest.h>

#include "utility/rules/list_rows.h"
#include "utility/rules/text_widths.h"

#include <algorithm>
#include <array>

namespace {

TEST(QuorvelCutToLevel, OneSeparatorPerLevelFromTheEnd) {
    struct Case {
        const char* path;
        int level;
        const char* expected;  // nullptr: nothing
    };
    // "表" is 0x95 0x5C: its trail byte is no separator.
    const Case cases[] = {
        {"C:\\data\\sub\\file.txt", 1, "C:\\data\\sub"},
        {"C:\\data\\sub\\file.txt", 2, "C:\\data"},
        {"C:\\data\\sub\\file.txt", 3, "C:"},
        {"C:\\data\\sub\\file.txt", 4, "C"},
        {"C:\\data\\sub\\file.txt", 5, nullptr},
        {"C:\\表\\sub\\file.txt", 1, "C:\\表\\sub"},
        {"C:\\表\\sub\\file.txt", 2, "C:\\表"},
        {"C:\\表\\sub\\file.txt", 3, "C:"},
        {"C:\\data\\表", 1, "C:\\data"},
        {"\\\\server\\share", 2, "\\"},     // the second byte still has bytes before it
        {"\\\\server\\share", 3, nullptr},  // the first byte is the separator: nothing before
        {"a/b", 1, "a"},
        {"plain", 1, nullptr},
        {"", 1, nullptr},
    };
    for (const Case& c : cases) {
        std::optional<std::string> cut = CutToLevel(c.path, c.level);
        if (c.expected) {
            ASSERT_TRUE(cut.has_value()) << c.path << " level " << c.level;
            EXPECT_EQ(*cut, c.expected) << c.path << " level " << c.level;
        } else {
            EXPECT_FALSE(cut.has_value()) << c.path << " level " << c.level << ": " << *cut;
        }
    }
}

TEST(QuorvelBoardList, NewestFirstAndNarrowedByWordsAndFolder) {
    const std::vector<std::string> boards = {"memo.txt", "C:\\data\\a.txt", "C:\\other\\b.txt",
                                             "C:\\data\\sub\\old.txt", "work.txt"};
    struct Case {
        const char* input;
        const char* nowDir;
        int searchMode;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"",
         "",
         1,
         {"work.txt", "C:\\data\\sub\\old.txt", "C:\\other\\b.txt", "C:\\data\\a.txt", "memo.txt"}},
        {"", "C:\\data\\*", 1, {"C:\\data\\sub\\old.txt", "C:\\data\\a.txt"}},
        {"^sub", "C:\\data\\*", 1, {"C:\\data\\a.txt"}},
        {"TXT ^memo",
         "",
         1,
         {"work.txt", "C:\\data\\sub\\old.txt", "C:\\other\\b.txt", "C:\\data\\a.txt"}},
        {"c:\\d", "", 0, {"C:\\data\\sub\\old.txt", "C:\\data\\a.txt"}},  // prefix mode
        {"", "C:\\data\\*", 0, {"C:\\data\\sub\\old.txt", "C:\\data\\a.txt"}},
        {"a.txt", "D:\\*", 1, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BoardListTexts(boards, c.input, c.nowDir, 0, c.searchMode), c.shown)
            << "'" << c.input << "' in '" << c.nowDir << "'";
}

TEST(QuorvelBoardList, ABareFolderNarrowsWholeNotByHalfACharacter) {
    // 表 and 評 share their lead byte.
    const std::vector<std::string> boards = {"C:\\表\\n.txt", "C:\\評\\m.txt"};
    EXPECT_EQ(BoardListTexts(boards, "", "C:\\表", 0, 1),
              std::vector<std::string>{"C:\\表\\n.txt"});
    EXPECT_EQ(BoardListTexts(boards, "", "C:\\表\\*", 0, 1),
              std::vector<std::string>{"C:\\表\\n.txt"});
}

TEST(QuorvelBoardList, ParentLevelsAreCutNumberedAndNotMerged) {
    EXPECT_EQ(BoardListTexts({"C:\\a\\x.txt", "C:\\a\\y.txt", "nofolder"}, "", "", 1, 1),
              (std::vector<std::string>{"1.C:\\a", "2.C:\\a"}))
        << "list order, duplicates kept, an item without enough separators dropped";

    std::vector<std::string> eleven;
    for (int i = 0; i < 11; ++i) eleven.push_back("C:\\f" + std::to_string(i) + "\\x");
    std::vector<std::string> shown = BoardListTexts(eleven, "", "", 1, 1);
    ASSERT_EQ(shown.size(), 11u);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(shown[i], std::to_string(i + 1) + ".C:\\f" + std::to_string(i));
    EXPECT_EQ(shown[9], "0.C:\\f9") << "the tenth item is chosen with the digit 0";
    EXPECT_EQ(shown[10], "C:\\f10") << "the eleventh has no digit";

    EXPECT_EQ(WithoutDigitPrefix(shown[0], 0, true), "C:\\f0");
    EXPECT_EQ(WithoutDigitPrefix(shown[9], 9, true), "C:\\f9");
    EXPECT_EQ(WithoutDigitPrefix(shown[10], 10, true), "C:\\f10");
    EXPECT_EQ(WithoutDigitPrefix("1.txt", 0, false), "1.txt") << "unnumbered items stay whole";
    EXPECT_EQ(WithoutDigitPrefix("x", 0, true), "x");
}

TEST(QuorvelBoardList, HistoryFoldersInHistoryModeElseTheBoards) {
    BoardList boards;
    boards.names = {"a.txt", "b.txt"};
    RecentList recent;
    recent.pairs = {{"C:\\x", "t"}, {"D:\\y", ""}};
    EXPECT_EQ(BoardListItems(ModeState::History, recent, boards),
              (std::vector<std::string>{"C:\\x", "D:\\y"}));
    for (ModeState mode : {ModeState::Plain, ModeState::Normal, ModeState::NumberInput})
        EXPECT_EQ(BoardListItems(mode, recent, boards), boards.names);
}

TEST(QuorvelBookmarkList, MatchingBookmarksInListOrder) {
    EXPECT_EQ(BookmarkTexts({"C:\\a", "D:\\b", "C:\\c"}, "c:", 1),
              (std::vector<std::string>{"C:\\a", "C:\\c"}));
    EXPECT_EQ(BookmarkTexts({"C:\\a", "C:\\a"}, "", 1),
              (std::vector<std::string>{"C:\\a", "C:\\a"}));
}

ResultList Entries(const std::vector<std::pair<std::string, std::string>>& namesAndPaths) {
    ResultList results;
    for (const auto& [name, path] : namesAndPaths) AddResult(results, name, path, "");
    return results;
}

TEST(QuorvelListView, EntriesFirstThenNoteRowsWithTheirRowMap) {
    ResultList results = Entries({{"sub", "C:\\d\\sub\\*"}, {"box.txt", "C:\\d\\box.txt"}});
    results.entries[1].date = "2021/03/04 05:06:07";
    NoteIndex index;
    index.rows = {{"memo.txt", "buy milk"}, {"memo.txt", ""}, {"box.txt", "call"}};
    DisplayBuffer buffer;

    auto text = [&](const ListRow& row, int column) {
        return std::string(RowText(row, column, results, index));
    };
    std::vector<ListRow> all = ListViewRows(results, index, "", 1, buffer);
    ASSERT_EQ(all.size(), 4u) << "an empty note string never shows";
    EXPECT_EQ(text(all[0], 0), "sub");
    EXPECT_EQ(text(all[0], 1), "C:\\d\\sub\\*");
    EXPECT_EQ(all[0].entry, 0);
    EXPECT_EQ(text(all[1], 2), "2021/03/04 05:06:07");
    EXPECT_EQ(all[1].entry, 1);
    EXPECT_EQ(text(all[2], 0), "memo.txt");
    EXPECT_EQ(text(all[2], 1), "buy milk");
    EXPECT_EQ(text(all[2], 2), "");
    EXPECT_EQ(all[2].entry, -1);
    EXPECT_EQ(text(all[3], 1), "call");
    EXPECT_EQ(text(all[3], 3), "") << "no fourth column";

    std::vector<ListRow> box = ListViewRows(results, index, "box", 1, buffer);
    ASSERT_EQ(box.size(), 2u) << "entries by name, notes by board and string together";
    EXPECT_EQ(box[0].entry, 1);
    EXPECT_EQ(text(box[1], 1), "call");

    std::vector<ListRow> noX = ListViewRows(results, index, "^x", 1, buffer);
    ASSERT_EQ(noX.size(), 1u) << "every row but sub holds an x in its name or board";
    EXPECT_EQ(text(noX[0], 0), "sub");
    EXPECT_EQ(ListViewRows(results, index, "^MILK", 1, buffer).size(), 3u);
    EXPECT_TRUE(ListViewRows(results, index, "^", 1, buffer).empty());

    std::vector<ListRow> milk = ListViewRows(results, index, "memo.txt buy", 1, buffer);
    ASSERT_EQ(milk.size(), 1u) << "the board name and the note string are matched as one text";
    results.entries.clear();
    EXPECT_EQ(text(all[0], 0), "") << "a row whose entry went shows nothing";
}

TEST(QuorvelListView, LineBreaksShowAsOneSpaceAndTheCutKeepsWholeCharacters) {
    struct Case {
        const char* text;
        std::size_t limit;
        const char* shown;
    };
    const Case cases[] = {
        {"one\r\ntwo", 99, "one two"},
        {"one\ntwo\rthree\r\n", 99, "one two three "},
        {"\r\r\n\n", 99, "   "},
        {"a\tb\x01", 99, "a b "},
        {"\x95\\\n\x8e\x9a", 99, "\x95\\ \x8e\x9a"},  // 0x5C trail byte, then a break
        {"ab\x8e\x9a", 3, "ab"},                      // no half character at the limit
        {"a\r\nb", 2, "a "},
        {"", 5, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ShownCellText(c.text, c.limit), c.shown) << c.text;
}

TEST(QuorvelListView, DisplayBufferGrowsToExactlyTheLongestRow) {
    DisplayBuffer buffer;
    EXPECT_EQ(buffer.capacity(), 1024u);
    EXPECT_EQ(buffer.Join("a", "b"), "a b");
    EXPECT_EQ(buffer.capacity(), 1024u);
    std::string longNote(1500, 'n');
    EXPECT_EQ(buffer.Join("board.txt", longNote), "board.txt " + longNote);
    EXPECT_EQ(buffer.capacity(), 9u + 1500u + 2u);
    EXPECT_EQ(buffer.Join("a", "b"), "a b");
    EXPECT_EQ(buffer.capacity(), 1511u) << "never shrinks";
    EXPECT_EQ(buffer.Join("", ""), " ");
}

}  // namespace

namespace {

// A made-up font: a single byte is 1 + its value % 5 wide, a double-byte character 10 wide,
// but the trail byte 0x40 is one the system does not answer for.
void MeasureMadeUp(CharAdvances& advances, int& calls) {
    ++calls;
    if (advances.SingleBytesPending()) {
        int singles[256];
        for (int byte = 0; byte < 256; ++byte) singles[byte] = 1 + byte % 5;
        advances.TakeSingleBytes(singles);
    }
    const std::string& pending = advances.DoubleBytesPending();
    std::vector<int> extents;
    int running = 0;
    for (std::size_t at = 0; at < pending.size(); at += 2) {
        if (pending[at + 1] == '\x40') break;
        extents.push_back(running + 3);
        extents.push_back(running += 10);
    }
    advances.TakeDoubleBytes(extents);
}

TEST(QuorvelColumnWidths, WidestTextOfEachColumnMeasuringNewCharactersOnce) {
    ResultList results = Entries({{"ab", "C:\\ab"}});
    NoteIndex index;
    // "買" 0x94 0x83; "\x88\x40" the character the system leaves unanswered; a lead byte last.
    index.rows = {{"memo.txt", "\x94\x83\x94\x83"}, {"memo.txt", "a\x88\x40"}, {"m", "\x94"}};
    DisplayBuffer buffer;
    std::vector<ListRow> rows = ListViewRows(results, index, "", 1, buffer);
    CharAdvances advances;
    int calls = 0;
    auto measure = [&](CharAdvances& a) { MeasureMadeUp(a, calls); };
    std::array<int, 3> widest = WidestColumnTexts(rows, results, index, advances, measure);
    EXPECT_EQ(calls, 1) << "every new character in one go";
    EXPECT_EQ(widest[0], 21) << "memo.txt";
    EXPECT_EQ(widest[1], 20) << "two double-byte characters, an unanswered one counts nothing";
    EXPECT_EQ(widest[2], 0);

    EXPECT_EQ(WidestColumnTexts(rows, results, index, advances, measure), widest);
    EXPECT_EQ(calls, 2) << "only the unanswered character is asked again";
    index.rows.pop_back();
    index.rows.erase(index.rows.begin() + 1);
    rows = ListViewRows(results, index, "", 1, buffer);
    WidestColumnTexts(rows, results, index, advances, measure);
    EXPECT_EQ(calls, 2) << "known characters ask nothing";
    advances.Forget();
    WidestColumnTexts(rows, results, index, advances, measure);
    EXPECT_EQ(calls, 3) << "another font";
}

}  // namespace
