// Listing a folder over a made-up file system: the pattern, the probe, the filters, the dates,
// the question every 3000 entries and the order of the result.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "utility/model/folder_walk.h"

namespace {

class ListOf : public Enumeration {
  public:
    explicit ListOf(std::vector<FoundEntry> entries) : entries_(std::move(entries)) {}
    bool Next(FoundEntry& entry) override {
        if (next_ >= entries_.size()) return false;
        entry = entries_[next_++];
        return true;
    }

  private:
    std::vector<FoundEntry> entries_;
    std::size_t next_ = 0;
};

// Folders by pattern; each folder's enumeration starts with "." and "..".
class FakeDisk : public ListingHost {
  public:
    std::map<std::string, std::vector<FoundEntry>> folders;
    std::vector<bool> answers;  // answers to the question, in turn; yes when they run out
    int questions = 0;
    std::vector<int> countsAtQuestion;
    std::vector<std::string> started;
    int ended = 0;
    const ListingState* state = nullptr;

    void AddFolder(const std::string& pattern, std::vector<FoundEntry> entries, bool dots = true) {
        std::vector<FoundEntry> all;
        if (dots) all = {{".", true}, {"..", true}};
        all.insert(all.end(), entries.begin(), entries.end());
        folders[pattern] = all;
    }
    std::unique_ptr<Enumeration> Enumerate(const std::string& pattern) override {
        auto found = folders.find(pattern);
        if (found == folders.end()) return nullptr;
        return std::make_unique<ListOf>(found->second);
    }
    std::string DateText(const std::string& path, bool folder) override {
        return (folder ? "D " : "F ") + path;
    }
    bool AskToContinue() override {
        if (state) countsAtQuestion.push_back(state->results.count());
        bool answer = questions < static_cast<int>(answers.size()) ? answers[questions] : true;
        ++questions;
        return answer;
    }
    void WalkStarted(const std::string& folder, bool top) override {
        started.push_back(folder + (top ? " top" : ""));
    }
    void WalkEnded() override { ++ended; }
};

std::vector<FoundEntry> Files(int count) {
    std::vector<FoundEntry> files;
    for (int i = 0; i < count; ++i) files.push_back({"f" + std::to_string(i) + ".txt", false});
    return files;
}

std::vector<std::string> Names(const ListingState& state) {
    std::vector<std::string> names;
    for (const ResultEntry& e : state.results.entries) names.push_back(e.name);
    return names;
}

TEST(QuorvelListing, PatternRule) {
    EXPECT_EQ(BuildPattern("C:\\data"), "C:\\data\\*");
    EXPECT_EQ(BuildPattern("C:\\data\\"), "C:\\data\\*");
    EXPECT_EQ(BuildPattern("C:\\data\\ab*"), "C:\\data\\ab*");
    EXPECT_EQ(BuildPattern("C:\\"), "C:\\*");
    EXPECT_EQ(BuildPattern("C:\\表"), "C:\\表\\*");  // its trail byte 0x5C ends no folder
    EXPECT_FALSE(BuildPattern("").has_value());
}

TEST(QuorvelListing, ProbeTellsWhatCanBeWalked) {
    FakeDisk disk;
    disk.AddFolder("C:\\data\\*", {{"a.txt", false}});
    disk.AddFolder("C:\\*", {{"x.txt", false}, {"Windows", true}}, false);
    disk.AddFolder("C:\\only\\*", {{"a.txt", false}, {"b.txt", false}}, false);
    EXPECT_EQ(ProbeFolder(disk, "C:\\data\\*"), 1);
    EXPECT_EQ(ProbeFolder(disk, "C:\\*"), 0);
    EXPECT_EQ(ProbeFolder(disk, "C:\\only\\*"), -1);
    EXPECT_EQ(ProbeFolder(disk, "C:\\missing\\*"), -1);
}

TEST(QuorvelListing, SameListingWithOrWithoutTheBackslash) {
    FakeDisk disk;
    disk.AddFolder("C:\\data\\*",
                   {{"b.txt", false}, {"A.txt", false}, {"sub", true}, {"Zeta", true}});
    ListingState state;
    EXPECT_EQ(ListFolder(state, disk, "C:\\data", false), 4);
    std::vector<std::string> first = Names(state);
    EXPECT_EQ(ListFolder(state, disk, "C:\\data\\", false), 4);
    EXPECT_EQ(Names(state), first);
    EXPECT_EQ(first, (std::vector<std::string>{"sub", "Zeta", "b.txt", "A.txt"}));
    EXPECT_EQ(state.results.entries[0].path, "C:\\data\\sub\\*");
    EXPECT_EQ(state.results.entries[2].path, "C:\\data\\b.txt");
    EXPECT_EQ(state.nowDir, "C:\\data\\*");
    EXPECT_EQ(disk.started.back(), "C:\\data\\ top");
    EXPECT_EQ(state.results.entries[0].date, "");  // dates only with the date filter on
}

TEST(QuorvelListing, ANamePatternListsItsFolder) {
    FakeDisk disk;
    disk.AddFolder("C:\\data\\ab*", {{"abd.txt", false}, {"abc", true}}, false);
    disk.AddFolder("C:\\表*", {{"表x.txt", false}});
    ListingState state;
    EXPECT_EQ(ListFolder(state, disk, "C:\\data\\ab*", false), 2);
    EXPECT_EQ(state.results.entries[0].path, "C:\\data\\abc\\*");
    EXPECT_EQ(state.results.entries[1].path, "C:\\data\\abd.txt");
    EXPECT_EQ(state.nowDir, "C:\\data\\ab*");
    ListFolder(state, disk, "C:\\表*", false);
    ASSERT_EQ(state.results.count(), 1);
    EXPECT_EQ(state.results.entries[0].path, "C:\\表x.txt") << "表's 0x5C ends no folder";
    EXPECT_EQ(PatternFolder("C:*"), "C:");
    EXPECT_EQ(PatternFolder("*"), "");
}

TEST(QuorvelListing, ResultOrder) {
    auto entry = [](const char* name, const char* path) { return ResultEntry{name, path, ""}; };
    ResultList list;
    list.entries = {entry("A.txt", "C:\\d\\A.txt"),  entry("b.txt", "C:\\d\\b.txt"),
                    entry("Zeta", "C:\\d\\Zeta\\*"), entry("sub", "C:\\d\\sub\\*"),
                    entry("1.txt", "C:\\d\\1.txt"),  entry("\x82\xa0", "C:\\d\\\x82\xa0")};
    SortResults(list);
    std::vector<std::string> names;
    for (const ResultEntry& e : list.entries) names.push_back(e.name);
    // Unsigned bytes: the double-byte name (0x82) above every letter, digits below them.
    EXPECT_EQ(names,
              (std::vector<std::string>{"sub", "Zeta", "\x82\xa0", "b.txt", "A.txt", "1.txt"}));
    EXPECT_TRUE(ResultLess(list.entries[0], list.entries[1]));
    EXPECT_FALSE(ResultLess(list.entries[1], list.entries[0]));
    EXPECT_TRUE(ResultLess(list.entries[2], list.entries[2]));  // equal entries may stay
    // Equal paths: the greater name first.
    ResultEntry x{"b", "C:\\p", ""}, y{"a", "C:\\p", ""};
    EXPECT_TRUE(ResultLess(x, y));
    EXPECT_FALSE(ResultLess(y, x));
}

TEST(QuorvelListing, QuestionCountsCollectedEntries) {
    {
        FakeDisk disk;
        disk.AddFolder("C:\\big\\*", Files(3000));
        ListingState state;
        EXPECT_EQ(ListFolder(state, disk, "C:\\big", false), 3000);
        EXPECT_EQ(disk.questions, 0) << "no question while at most 3000 are collected";
    }
    {
        FakeDisk disk;
        disk.AddFolder("C:\\big\\*", Files(3001));
        ListingState state;
        EXPECT_EQ(ListFolder(state, disk, "C:\\big", false), 3001);
        EXPECT_EQ(disk.questions, 0) << "the question comes before the next entry only";
    }
    {
        FakeDisk disk;
        disk.AddFolder("C:\\big\\*", Files(7000));
        disk.answers = {true, true};
        ListingState state;
        disk.state = &state;
        EXPECT_EQ(ListFolder(state, disk, "C:\\big", false), 7000);
        EXPECT_EQ(disk.countsAtQuestion, (std::vector<int>{3001, 6001}));
        EXPECT_EQ(state.continueCounter, 3);
    }
    {
        FakeDisk disk;
        disk.AddFolder("C:\\big\\*", Files(3500));
        disk.answers = {false};
        ListingState state;
        EXPECT_EQ(ListFolder(state, disk, "C:\\big", false), 3001) << "No keeps what was collected";
        EXPECT_EQ(disk.questions, 1);
        EXPECT_EQ(state.continueCounter, kStopCollecting);
        EXPECT_EQ(disk.ended, 1) << "the enumeration still runs to its end";
        // The next listing asks afresh.
        disk.answers = {false, false};
        disk.questions = 0;
        EXPECT_EQ(ListFolder(state, disk, "C:\\big", false), 3001);
        EXPECT_EQ(disk.questions, 1);
    }
}

TEST(QuorvelListing, NoStopsEveryEnclosingWalk) {
    FakeDisk disk;
    std::vector<FoundEntry> top = Files(2990);
    top.push_back({"deep", true});
    top.push_back({"later.txt", false});
    disk.AddFolder("C:\\r\\*", top);
    disk.AddFolder("C:\\r\\deep\\*", Files(20));
    disk.answers = {false};
    ListingState state;
    int count = ListFolder(state, disk, "C:\\r", true);
    EXPECT_EQ(count, 3001);
    EXPECT_EQ(disk.questions, 1);
    for (const ResultEntry& e : state.results.entries) EXPECT_NE(e.name, "later.txt");
    EXPECT_EQ(state.nowDir, "C:\\r\\*") << "only the top walk sets NowDir";
    EXPECT_EQ(disk.started, (std::vector<std::string>{"C:\\r\\ top", "C:\\r\\deep\\"}));
}

TEST(QuorvelListing, FiltersDecideWhatIsRecordedAndEntered) {
    FakeDisk disk;
    disk.AddFolder("C:\\w\\*",
                   {{"Old stuff", true}, {"new", true}, {"bold.txt", false}, {"note.md", false}});
    disk.AddFolder("C:\\w\\Old stuff\\*", {{"inner.txt", false}});
    disk.AddFolder("C:\\w\\new\\*", {{"inner2.txt", false}});
    ListingState state;
    state.filterDir = "^old";
    ListFolder(state, disk, "C:\\w", true);
    EXPECT_EQ(Names(state), (std::vector<std::string>{"new", "note.md", "inner2.txt", "bold.txt"}));
    state.filterDir = "";
    state.filterFile = "txt";
    ListFolder(state, disk, "C:\\w", false);
    EXPECT_EQ(Names(state), (std::vector<std::string>{"new", "Old stuff", "bold.txt"}));
    // The filter is matched as the search setting says: in prefix mode "txt" begins nothing.
    state.searchMode = 0;
    ListFolder(state, disk, "C:\\w", false);
    EXPECT_EQ(Names(state), (std::vector<std::string>{"new", "Old stuff"}));
}

TEST(QuorvelListing, DatesWithTheDateFilterOn) {
    FakeDisk disk;
    disk.AddFolder("C:\\w\\*", {{"sub", true}, {"a.txt", false}});
    ListingState state;
    state.filterDate = 0;
    ListFolder(state, disk, "C:\\w", false);
    ASSERT_EQ(state.results.count(), 2);
    EXPECT_EQ(state.results.entries[0].date, "D C:\\w\\sub\\*");
    EXPECT_EQ(state.results.entries[1].date, "F C:\\w\\a.txt");
    // The date of a folder is read from the folder, not from its listing pattern.
    EXPECT_EQ(DatedPath("C:\\w\\sub\\*", true), "C:\\w\\sub\\");
    EXPECT_EQ(DatedPath("C:\\w\\a*", false), "C:\\w\\a*");
}

TEST(QuorvelListing, AFolderThatCannotBeWalkedChangesNothingElse) {
    FakeDisk disk;
    disk.AddFolder("C:\\w\\*", {{"a.txt", false}});
    ListingState state;
    ListFolder(state, disk, "C:\\w", false);
    int ended = disk.ended;
    EXPECT_EQ(ListFolder(state, disk, "C:\\missing", false), 0);
    EXPECT_EQ(ListFolder(state, disk, "", false), 0) << "an empty folder text lists nothing";
    EXPECT_EQ(state.nowDir, "C:\\w\\*");
    EXPECT_EQ(disk.ended, ended) << "the input line is not cleared";
    EXPECT_EQ(disk.started.size(), 1u) << "the title is not set";
}

TEST(QuorvelListing, LongNamesAreKeptWhole) {
    std::string longName(400, 'n');
    FakeDisk disk;
    std::string folder = "C:\\" + std::string(300, 'd');
    disk.AddFolder(folder + "\\*", {{longName, false}});
    ListingState state;
    ASSERT_EQ(ListFolder(state, disk, folder, false), 1);
    EXPECT_EQ(state.results.entries[0].path, folder + "\\" + longName);
}

}  // namespace
