// The listing over the real file system: the system's enumeration, the last-write dates and
// the question, run in this process through the program's own walk.
#include <gtest/gtest.h>

#include "harness/install.h"
#include "harness/quorvel.h"
#include "harness/wait.h"
#include "utility/win/folder_walk_win.h"

namespace {

class QuietListing : public SystemFolders {
  public:
    int questions = 0;
    bool AskToContinue() override {
        ++questions;
        return false;
    }
    void WalkStarted(const std::string&, bool) override {}
    void WalkEnded() override {}
};

void SetLocalWriteTime(const std::string& path, bool folder, WORD year, WORD month, WORD day,
                       WORD hour, WORD minute, WORD second) {
    SYSTEMTIME local{year, month, 0, day, hour, minute, second, 0};
    FILETIME localTime{}, time{};
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &time);
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, folder ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr);
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
}

TEST(QuorvelSystemListing, EntriesCarryTheirDatesWhenTheDateFilterIsOn) {
    Install inst = Install::Fresh();
    inst.WithFile("w\\a.txt", "a").WithFile("w\\sub\\b.txt", "b");
    SetLocalWriteTime(inst.PathOf("w\\a.txt"), false, 2021, 3, 4, 5, 6, 7);
    SetLocalWriteTime(inst.PathOf("w\\sub"), true, 2019, 12, 31, 23, 59, 58);
    QuietListing host;
    ListingState state;
    state.filterDate = 0;
    ASSERT_EQ(ListFolder(state, host, inst.PathOf("w"), false), 2);
    EXPECT_EQ(state.results.entries[0].name, "sub");
    EXPECT_EQ(state.results.entries[0].path, inst.PathOf("w\\sub\\*"));
    EXPECT_EQ(state.results.entries[0].date, "2019/12/31 23:59:58");
    EXPECT_EQ(state.results.entries[1].date, "2021/03/04 05:06:07");
    {
        HeldFile held(inst.PathOf("w\\a.txt"));
        ASSERT_TRUE(held.Held());
        ListFolder(state, host, inst.PathOf("w"), false);
        EXPECT_EQ(state.results.entries[1].date, "2021/03/04 05:06:07")
            << "a file another program holds still has its date";
    }
    state.filterDate = -1;
    ListFolder(state, host, inst.PathOf("w"), false);
    EXPECT_EQ(state.results.entries[1].date, "");
    EXPECT_EQ(FileDateText(inst.PathOf("w\\missing.txt"), false), "");
}

TEST(QuorvelSystemListing, NoKeepsWhatWasCollected) {
    Install inst = Install::Fresh();
    std::string folder = MakeFolderOfFiles(inst, "many", 3500);
    QuietListing host;
    ListingState state;
    EXPECT_EQ(ListFolder(state, host, folder, false), 3001);
    EXPECT_EQ(host.questions, 1);
    EXPECT_EQ(state.nowDir, folder + "\\*");
}

TEST(QuorvelSystemListing, WhatCannotBeListedListsNothing) {
    Install inst = Install::Fresh();
    inst.WithFile("file.txt", "x");
    QuietListing host;
    ListingState state;
    EXPECT_EQ(ListFolder(state, host, inst.PathOf("missing"), false), 0);
    EXPECT_EQ(ListFolder(state, host, inst.PathOf("file.txt"), false), 0);
    EXPECT_EQ(ListFolder(state, host, inst.PathOf(std::string(400, 'd')), false), 0);
    EXPECT_EQ(state.nowDir, "");
    EXPECT_EQ(ProbeFolder(host, inst.Folder() + "*"), 1);
}

}  // namespace
