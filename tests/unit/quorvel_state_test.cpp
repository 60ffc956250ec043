// "Quorvel.ini", the state files, the day's history and the window layout.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <optional>
#include <random>
#include <tuple>
#include <vector>

#include "common/backup_start.h"
#include "utility/model/path_text.h"
#include "utility/model/recent_list.h"
#include "utility/model/utility_settings.h"
#include "utility/rules/first_view.h"
#include "utility/rules/layout.h"
#include "utility/rules/quorvel_state.h"
#include "utility/rules/state_files.h"

namespace {

class MemoryIni : public IniStore {
  public:
    std::map<std::string, std::string> values;  // "section/key"
    std::vector<std::string> written;           // "section/key=value", in order
    std::string Read(const char* section, const char* key, const std::string& fallback) override {
        auto found = values.find(std::string(section) + "/" + key);
        return found == values.end() ? fallback : found->second;
    }
    void Write(const char* section, const char* key, const std::string& value) override {
        values[std::string(section) + "/" + key] = value;
        written.push_back(std::string(section) + "/" + key + "=" + value);
    }
};

TEST(QuorvelSettings, FirstStartDefaultsAndTheEmptyFilters) {
    MemoryIni ini;
    UtilitySettings s = ReadUtilitySettings(ini);
    EXPECT_EQ(ini.written, (std::vector<std::string>{"filter/filter_dir=", "filter/filter_file="}));
    EXPECT_EQ(s.sizeHeight, 150);
    EXPECT_EQ(s.sizeWidth, 300);
    EXPECT_EQ(s.search, 1);
    EXPECT_EQ(s.which, 1);
    EXPECT_EQ(s.textColor1.red, 250);
    EXPECT_EQ(s.textColor2.green, 180);
    EXPECT_EQ(s.listColor1.blue, 240);
    EXPECT_EQ(s.listColor2.red, 210);
    EXPECT_EQ(s.filterdate, -1);
    EXPECT_EQ(s.filterdate2, -2);
    EXPECT_EQ(s.explorerexe, "explorer");
    EXPECT_EQ(DateFilterText(s), "");
    // Once written empty, the filters are read as they are.
    ini.written.clear();
    ReadUtilitySettings(ini);
    EXPECT_TRUE(ini.written.empty());
}

TEST(QuorvelSettings, ReadingRules) {
    MemoryIni ini;
    ini.values = {{"filter/filter_dir", "^OLD"},
                  {"filter/filter_file", "null"},
                  {"etc/filterdate", "7"},
                  {"etc/filterdate2", "30"},
                  {"etc/filterdate3", "1"},
                  {"list_color1/red", "300"},
                  {"list_color1/green", "-1"},
                  {"window/sizeHeight", "abc"},
                  {"window/sizeWidth", "250px"},
                  {"etc/backup", "20240101extra"},
                  {"path/NowDir", std::string(600, 'd') + "\\*"}};
    UtilitySettings s = ReadUtilitySettings(ini);
    EXPECT_EQ(s.filterDir, "^old") << "filters are lowered";
    EXPECT_EQ(s.filterFile, "");
    EXPECT_EQ(ini.values["filter/filter_file"], "");
    EXPECT_EQ(ini.values["filter/filter_dir"], "^OLD") << "a real filter is not rewritten";
    EXPECT_TRUE(s.excludeDate);
    EXPECT_EQ(s.filterdate2, -2) << "nothing is remembered while the filter is on";
    EXPECT_EQ(DateFilterText(s), "^7");
    s.excludeDate = false;
    EXPECT_EQ(DateFilterText(s), "7");
    EXPECT_EQ(s.listColor1.red, 44) << "colours are bytes: modulo 256";
    EXPECT_EQ(s.listColor1.green, 255);
    EXPECT_EQ(s.sizeHeight, 0) << "an unreadable number is 0";
    EXPECT_EQ(s.sizeWidth, 250);
    EXPECT_EQ(s.backup, "20240101");
    EXPECT_EQ(s.nowDir.size(), 602u) << "a long saved folder is kept whole";
    ini.values["etc/filterdate3"] = "2";
    EXPECT_FALSE(ReadUtilitySettings(ini).excludeDate);
}

TEST(QuorvelSettings, ColoursFollowTheModeValues) {
    UtilitySettings s;
    s.textColor1.red = 1, s.textColor2.red = 2, s.listColor1.red = 3, s.listColor2.red = 4;
    EXPECT_EQ(InputColour(s).red, 1) << "word matching";
    auto lists = [&] {
        ListColours c = ListColoursOf(s);
        return std::make_tuple(c.listView.red, c.boardList.red);
    };
    EXPECT_EQ(lists(), std::make_tuple(3, 4));
    s.search = 0, s.which = 0;
    EXPECT_EQ(InputColour(s).red, 2) << "prefix matching";
    EXPECT_EQ(lists(), std::make_tuple(4, 3));
}

TEST(QuorvelFirstView, CommandFolderThenSavedFolderAndTextThenDrives) {
    auto view = [](const char* command, const char* dir, const char* text) {
        FirstView v = PlanFirstView(command, dir, text);
        return std::make_tuple(v.listing, v.folder, v.text);
    };
    using F = FirstListing;
    EXPECT_EQ(view("C:\\a", "D:\\b", "t"), std::make_tuple(F::CommandFolder, "", ""));
    EXPECT_EQ(view("", "D:\\b", "t"), std::make_tuple(F::SavedFolder, "D:\\b", "t"));
    EXPECT_EQ(view("", "D:\\b", ""), std::make_tuple(F::SavedFolder, "D:\\b", ""));
    EXPECT_EQ(view("", "", "t"), std::make_tuple(F::SavedText, "", "t"));
    EXPECT_EQ(view("", "", ""), std::make_tuple(F::Drives, "", ""));
}

TEST(QuorvelSettings, AWindowRectangleWithASizeIsAPlaceWhereverItLies) {
    using Box = std::optional<ScreenBox>;
    // {top, bottom, right, left}
    EXPECT_EQ(StoredWindowBox({0, 0, 0, 0}), Box());
    EXPECT_EQ(StoredWindowBox({-50, 600, 1499, -50}), Box({-50, -50, 1549, 650}));
    EXPECT_EQ(StoredWindowBox({100, 700, 5000, 3000}), Box({3000, 100, 2000, 600}));
    EXPECT_EQ(StoredWindowBox({100, 700, -1000, -1900}), Box({-1900, 100, 900, 600}));
    EXPECT_EQ(StoredWindowBox({0, 0, 0, 1}), Box());  // no size
    EXPECT_EQ(StoredWindowBox({600, 100, 800, 100}), Box());
    EXPECT_EQ(StoredWindowBox({0, 10, INT_MAX, INT_MIN}), Box());
}

TEST(QuorvelSettings, SavingWritesEveryKeyInOrder) {
    MemoryIni ini;
    UtilitySettings s = ReadUtilitySettings(ini);
    ini.written.clear();
    s.timelimit = 3;
    s.nowTxt = "two\r\nlines";
    s.commands[2] = "notepad";
    WriteUtilitySettings(ini, s, WindowRect{10, 500, 700, 20});
    std::vector<std::string> keys;
    for (const std::string& w : ini.written) keys.push_back(w.substr(0, w.find('=')));
    const std::vector<std::string> order = {
        "window/top",        "window/bottom",     "window/right",      "window/left",
        "window/sizeHeight", "window/sizeWidth",  "mode/addmode",      "mode/search",
        "mode/which",        "path/NowDir",       "path/NowTxt",       "path/explorerexe",
        "text_color1/red",   "text_color1/green", "text_color1/blue",  "text_color2/red",
        "text_color2/green", "text_color2/blue",  "list_color1/red",   "list_color1/green",
        "list_color1/blue",  "list_color2/red",   "list_color2/green", "list_color2/blue",
        "etc/timelimit",     "etc/listcount",     "etc/filterdate",    "etc/filterdate2",
        "etc/filterdate3",   "cmd/cmd_F6",        "cmd/cmd_F7",        "cmd/cmd_F8",
        "cmd/cmd_F9"};
    EXPECT_EQ(keys, order);
    EXPECT_EQ(s.timelimit, 5) << "raised in memory too";
    EXPECT_EQ(ini.values["etc/timelimit"], "5");
    EXPECT_EQ(ini.values["window/left"], "20");
    EXPECT_EQ(ini.values["path/NowTxt"], "two  lines") << "a line break would break the file";
    EXPECT_EQ(ini.values["cmd/cmd_F8"], "notepad");
    EXPECT_EQ(ini.values["etc/filterdate3"], "0");
    // A rectangle without size, or none (a window on no screen), is not written.
    ini.written.clear();
    WriteUtilitySettings(ini, s, WindowRect{500, 500, 700, 20});
    EXPECT_EQ(ini.written.front().substr(0, 17), "window/sizeHeight");
    ini.written.clear();
    WriteUtilitySettings(ini, s, std::nullopt);
    EXPECT_EQ(ini.written.front().substr(0, 17), "window/sizeHeight");
    EXPECT_EQ(ini.values["window/left"], "20");
}

TEST(QuorvelSettings, BackupOnceADay) {
    MemoryIni ini;
    UtilitySettings s = ReadUtilitySettings(ini);
    EXPECT_TRUE(TakeBackupTurn(ini, s.backup, "20240301"));
    EXPECT_EQ(ini.values["etc/backup"], "20240301");
    EXPECT_FALSE(TakeBackupTurn(ini, s.backup, "20240301"));
    EXPECT_TRUE(TakeBackupTurn(ini, s.backup, "20240302"));
}

TEST(QuorvelStateFiles, DataTxtCurrentBoardFirstAndThe256ByteRule) {
    BoardList boards;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) AddBoard(boards, name, 0, 0);
    EXPECT_EQ(FormatDataTxt(boards), "a.txt\nb.txt\nc.txt\nd.txt\n");
    boards.currentBoard = 2;
    EXPECT_EQ(FormatDataTxt(boards), "c.txt\na.txt\nb.txt\nd.txt\n");
    boards.currentBoard = 9;  // an index past the list names no board
    EXPECT_EQ(FormatDataTxt(boards), "a.txt\nb.txt\nc.txt\nd.txt\n");
    EXPECT_TRUE(ShouldWriteDataTxt(0, 10));
    EXPECT_TRUE(ShouldWriteDataTxt(256, 10));
    EXPECT_FALSE(ShouldWriteDataTxt(257, 10));
    EXPECT_FALSE(ShouldWriteDataTxt(300, 100)) << "a short list never replaces a long file";
    EXPECT_FALSE(ShouldWriteDataTxt(300, 255));
    EXPECT_TRUE(ShouldWriteDataTxt(300, 256));
    EXPECT_TRUE(ShouldWriteDataTxt(300, 300));
}

TEST(QuorvelStateFiles, LineFormats) {
    NoteLists lists;
    AddNoteRecord(lists, "my board.txt", "text", "cmd arg");
    EXPECT_EQ(FormatCmdTxt(lists.index), "my board.txt text\nmy board.txt cmd arg\n");
    NoteLists multiLine;
    AddNoteRecord(multiLine, "b.txt", "first\r\nnotepad C:\\x.exe", "run\nmore");
    EXPECT_EQ(FormatCmdTxt(multiLine.index), "b.txt first  notepad C:\\x.exe\nb.txt run more\n")
        << "a later line of a note must not become an alias of its own";
    EXPECT_EQ(FormatCtrlTxt(lists.pairs), "text cmd arg\n");
    EXPECT_EQ(FormatLines({"a", "b"}), "a\nb\n");
    EXPECT_EQ(FormatBookmarks({"C:\\a", "C:\\b"}), "C:\\a\nC:\\b\n\n")
        << "two bookmarks are three lines, the last one empty";
    EXPECT_EQ(ParseLineList("C:\\a\nC:\\b\n\n"), (std::vector<std::string>{"C:\\a", "C:\\b"}));
    EXPECT_EQ(ParseLineList("x\r\n\r\ny"), (std::vector<std::string>{"x", "y"}));
    RecentList recent;
    recent.pairs = {{"C:\\a", "word"}, {"C:\\b", ""}};
    EXPECT_EQ(FormatRecent(recent), "C:\\a\tword\nC:\\b\t\n");
    recent.pairs = {{"C:\\a", "two\r\nlines"}};
    EXPECT_EQ(FormatRecent(recent), "C:\\a\ttwo  lines\n");
}

TEST(QuorvelStateFiles, ASaveWritesTheListsThatHoldSomethingOrWereEmptied) {
    auto names = [](const QuorvelState& state) {
        std::vector<std::string> written;
        for (const ListFile& file : ListFilesToSave(state, "20261209", std::string()))
            written.push_back(file.name + "=" + file.text);
        return written;
    };
    QuorvelState state;
    EXPECT_TRUE(names(state).empty()) << "empty lists never read leave their files alone";
    state.stampsRead = state.bookmarksRead = true;
    EXPECT_EQ(names(state), (std::vector<std::string>{"hanko.txt=", "bookmark.txt="}))
        << "emptied since read: written empty, or the old entries would return";
    AddNoteRecord(state.notes, "b.txt", "text", "cmd");
    state.stamps = {"s"};
    state.recent.pairs = {{"C:\\a", "w"}};
    EXPECT_EQ(names(state),
              (std::vector<std::string>{
                  std::string("cmd.txt=") + kCmdTxtMarker + "\nb.txt text\nb.txt cmd\n",
                  "ctrl.txt=text cmd\n", "hanko.txt=s\n",
                  "bookmark.txt=", "recent\\20261209.txt=C:\\a\tw\n"}));
}

TEST(QuorvelStateFiles, CmdTxtKeepsTheUsersLinesAboveTheMarker) {
    const std::string marker = std::string(kCmdTxtMarker) + "\n";
    const std::string generated = "a.txt memo\nb.txt new\n";
    struct Case {
        std::string existing, written;
    };
    const Case cases[] = {
        {"", marker + generated},
        // The user's part stays byte for byte; what Quorvel wrote before goes.
        {"ed notepad.exe\r\na.txt mine\r\n" + marker + "b.txt gone\n",
         "ed notepad.exe\r\na.txt mine\r\n" + marker + generated},
        {"ed x" + std::string("\r") + marker + "stale\n", "ed x\r" + marker + generated},
        {"ed x\n" + marker, "ed x\n" + marker + generated},
        // Written before the marker existed: every line may be the user's, except a copy of one
        // Quorvel writes again.
        {"b.txt new\ned notepad.exe\r\nb.txt old\n",
         "ed notepad.exe\nb.txt old\n" + marker + generated},
        {"ed x", "ed x\n" + marker + generated},
        // Only a whole line is the marker.
        {"x" + marker, "x" + marker + marker + generated},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MergeCmdTxt(c.existing, generated), c.written) << c.existing;
    EXPECT_EQ(std::string(kCmdTxtMarker).find(' '), std::string::npos) << "Marnelo takes no alias";

    QuorvelState state;
    AddNoteRecord(state.notes, "b.txt", "text", "");
    for (const ListFile& file : ListFilesToSave(state, "20261209", std::nullopt))
        EXPECT_NE(file.name, "cmd.txt") << "a file that cannot be read is left alone";
}

TEST(QuorvelRecent, RemovingAFolderTakesItsNewestPair) {
    RecentList recent;
    recent.pairs = {{"C:\\a", "1"}, {"C:\\b", ""}, {"C:\\a", "2"}, {"C:\\c", ""}};
    recent.cursor = 3;
    EXPECT_TRUE(RemoveRecentFolder(recent, "C:\\a"));
    EXPECT_EQ(FormatRecent(recent), "C:\\a\t1\nC:\\b\t\nC:\\c\t\n");
    EXPECT_EQ(recent.cursor, 2) << "still on C:\\c";
    EXPECT_FALSE(RemoveRecentFolder(recent, "C:\\A")) << "the folder exactly as shown";
    EXPECT_TRUE(RemoveRecentFolder(recent, "C:\\c"));
    EXPECT_EQ(recent.cursor, 1) << "past the end: the last pair";
    EXPECT_TRUE(RemoveRecentFolder(recent, "C:\\a"));
    EXPECT_TRUE(RemoveRecentFolder(recent, "C:\\b"));
    EXPECT_EQ(recent.cursor, -1);
}

TEST(QuorvelRecent, PairsAreUniqueAndMoveToTheEnd) {
    RecentList recent;
    AddRecent(recent, "C:\\a\\*", "x");
    EXPECT_EQ(recent.cursor, -1) << "the first pair leaves the cursor";
    AddRecent(recent, "\"C:\\b\"", "");
    EXPECT_EQ(recent.cursor, 1);
    AddRecent(recent, "C:\\a\\", "x");
    ASSERT_EQ(recent.pairs.size(), 2u) << "recording the same pair twice leaves one, at the end";
    EXPECT_EQ(recent.pairs[0].folder, "C:\\b");
    EXPECT_EQ(recent.pairs[1].folder, "C:\\a");
    AddRecent(recent, "", "x");
    AddRecent(recent, "C:\\ab*", "x");  // a pattern that is no folder
    EXPECT_EQ(recent.pairs.size(), 2u);
    // Read back from the day's file: a pair held twice ends up once, at its later place.
    RecentList read;
    ParseRecentText(read, "C:\\a\tx\r\n\nC:\\b\t\nC:\\a\tx\n\tlead tab\n");
    ASSERT_EQ(read.pairs.size(), 3u);
    EXPECT_EQ(read.pairs[0].folder, "C:\\b");
    EXPECT_EQ(read.pairs[1].folder, "C:\\a");
    EXPECT_EQ(read.pairs[2].folder, "lead tab") << "a tab at the start splits nothing";
    EXPECT_EQ(FormatRecent(read), "C:\\b\t\nC:\\a\tx\nlead tab\t\n");
}

TEST(QuorvelRecent, FoldersAreTidiedBeforeTheyAreTested) {
    struct Case {
        const char* given;
        const char* kept;  // nullptr: not recorded
    };
    const Case cases[] = {
        {"\"\"", nullptr},            // empty once its quotes are gone
        {"\"C:\\b\\\"", "C:\\b"},     // quotes first, then the separator
        {"C:\\a\\\\", "C:\\a"},       // a doubled separator
        {" \"C:\\a\\*\" ", "C:\\a"},  // blanks, quotes, pattern tail
        {"\tC:\\a", "C:\\a"},         // a line that starts with its TAB
        {"C:\\ab*", nullptr},         // a name pattern, not a folder
        {"C:\\表*", nullptr},         // 0x5C of 表 is no separator
        {"*", nullptr},               // nothing left of it
        {"C:\\a\tb", nullptr},        // the file could not split it back
        {"C:", "C:\\"},               // a drive root stays the root, not its current folder
        {"C:\\*", "C:\\"},            //
        {"\"C:\\\"", "C:\\"},         //
    };
    for (const Case& c : cases) {
        RecentList recent;
        AddRecent(recent, c.given, "t");
        if (c.kept == nullptr) {
            EXPECT_TRUE(recent.pairs.empty()) << c.given;
        } else {
            ASSERT_EQ(recent.pairs.size(), 1u) << c.given;
            EXPECT_EQ(recent.pairs[0].folder, c.kept) << c.given;
        }
    }
}

// Whatever was typed, the day's file must give back the pairs it was written from.
TEST(QuorvelRecent, WhatIsWrittenReadsBackAsThePairsThatWereKept) {
    static const char kBytes[] = {'"', '\\', '*', ' ', '\t', '\r', '\n', 'a', '\x95'};
    std::mt19937 random(20261209);
    auto randomText = [&] {
        std::string text;
        for (int n = random() % 9; n > 0; --n) text += kBytes[random() % sizeof kBytes];
        return text;
    };
    for (int round = 0; round < 300; ++round) {
        RecentList written;
        for (int n = random() % 10; n > 0; --n) AddRecent(written, randomText(), randomText());
        RecentList read;
        ParseRecentText(read, FormatRecent(written));
        ASSERT_EQ(read.pairs.size(), written.pairs.size()) << FormatRecent(written);
        for (std::size_t i = 0; i < read.pairs.size(); ++i) {
            EXPECT_EQ(read.pairs[i].folder, written.pairs[i].folder) << i;
            EXPECT_EQ(read.pairs[i].text, written.pairs[i].text) << i;
            EXPECT_EQ(TidyRecent(written.pairs[i].folder), written.pairs[i].folder);
        }
    }
}

TEST(QuorvelLayout, FiguresForAClientSize) {
    EXPECT_EQ(ListViewPlacement(800, 150).height, 150);
    ChildLayout l = LayoutChildren(800, 600, 300, 150);
    auto same = [](const Placement& p, Placement q) {
        return p.x == q.x && p.y == q.y && p.width == q.width && p.height == q.height;
    };
    EXPECT_TRUE(same(l.inputLine, {0, 150, 720, 20}));
    EXPECT_TRUE(same(l.checkBox, {720, 150, 80, 20}));
    EXPECT_TRUE(same(l.noteCommandBox, {0, 170, 500, 100}));
    EXPECT_TRUE(same(l.noteTextBox, {0, 270, 500, 310}));
    EXPECT_TRUE(same(l.boardListBox, {500, 170, 300, 410}));
    EXPECT_TRUE(same(l.bookmarkListBox, {0, 0, 0, 0}));
    // Lower than the list and 140 pixels: the note text box gets no height, passed on as is.
    ChildLayout small = LayoutChildren(100, 200, 300, 150);
    EXPECT_EQ(small.noteTextBox.height, -90);
    EXPECT_EQ(small.noteCommandBox.width, -200);
    // Absurd settings are held at int's limits instead of wrapping.
    ChildLayout absurd = LayoutChildren(800, 600, -2147483647 - 1, 2147483647);
    EXPECT_TRUE(same(absurd.noteTextBox, {0, 2147483647, 2147483647, 600 - 2147483647 - 140}));
    EXPECT_TRUE(same(absurd.boardListBox,
                     {2147483647, 2147483647, -2147483647 - 1, 600 - 2147483647 - 40}));
}

TEST(QuorvelPathText, TrimPatternTail) {
    EXPECT_EQ(TrimPatternTail("C:\\data\\*"), "C:\\data");
    EXPECT_EQ(TrimPatternTail("C:\\data\\"), "C:\\data");
    EXPECT_EQ(TrimPatternTail("C:\\data"), "C:\\data");
    EXPECT_EQ(TrimPatternTail(""), "");
    EXPECT_EQ(TrimPatternTail("*"), "*") << "only a whole \\* is a folder's tail";
    EXPECT_EQ(TrimPatternTail("\\*"), "");
    EXPECT_EQ(TrimPatternTail("C:\\表"), "C:\\表") << "a trail byte 0x5C is no separator";
    EXPECT_EQ(TrimPatternTail("C:\\表*"), "C:\\表*");
    EXPECT_EQ(TrimPatternTail("C:\\data\\ab*"), "C:\\data\\ab*") << "a name pattern";
    EXPECT_EQ(TrimPatternTail("C:\\data\\*\\"), "C:\\data\\*") << "one tail only";
}

}  // namespace
