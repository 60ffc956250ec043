// What Delete in the board list box may take off the disk, and where Wine's recycle bin lies.
#include <gtest/gtest.h>

#include "utility/rules/delete_rules.h"

namespace {

TEST(QuorvelDeleteRules, OnlyABoardShownAsItIsIsAFileToDelete) {
    BoardList boards;
    boards.names = {"a.txt", "C:\\work\\b.txt", "old.txt", "C:\\work"};
    boards.pastFlag = {0, 0, 1, 0};
    const std::string exe = "C:\\app\\";
    struct Case {
        BoardBoxSource source;
        bool cut;
        const char* item;
        BoxDeleteKind kind;
    };
    const Case cases[] = {
        {BoardBoxSource::Boards, false, "a.txt", BoxDeleteKind::BoardFile},
        {BoardBoxSource::Boards, false, "C:\\work\\b.txt", BoxDeleteKind::BoardFile},
        // The history's folders, even one named like a board, stay on disk.
        {BoardBoxSource::History, false, "C:\\work", BoxDeleteKind::HistoryEntry},
        {BoardBoxSource::History, false, "a.txt", BoxDeleteKind::HistoryEntry},
        // A parent folder the box cut from a board's path is no board either.
        {BoardBoxSource::Boards, true, "C:\\work", BoxDeleteKind::LineOnly},
        {BoardBoxSource::History, true, "C:", BoxDeleteKind::LineOnly},
        // Gone from BoardList since the box was filled (Ctrl+O), or never in it.
        {BoardBoxSource::Boards, false, "A.TXT", BoxDeleteKind::LineOnly},
        {BoardBoxSource::Boards, false, "", BoxDeleteKind::LineOnly},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlanBoxDelete(c.source, c.cut, c.item, boards, exe), c.kind) << c.item;

    EXPECT_EQ(BoardFileToDelete(boards, exe, "a.txt"), "C:\\app\\fdir\\a.txt");
    EXPECT_EQ(BoardFileToDelete(boards, exe, "C:\\work\\b.txt"), "C:\\work\\b.txt");
    EXPECT_EQ(BoardFileToDelete(boards, exe, "old.txt"), "C:\\app\\fdir\\old\\old.txt")
        << "a past board's file lies with the old boards";
    EXPECT_EQ(BoardFileToDelete(boards, exe, "gone.txt"), std::nullopt);
}

TEST(QuorvelDeleteRules, WineKeepsItsBinInTheUsersDataFolder) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* unixPath;
        const char* dosPath;
    };
    const Case cases[] = {
        {"/data/me", "\\??\\Z:\\home\\me", "/data/me", ""},
        {"", "\\??\\Z:\\home\\me", "", "Z:\\home\\me\\.local\\share"},
        {"", "\\??\\Z:\\", "", "Z:\\.local\\share"},
        // 表 ends in the byte of "\": it is no separator.
        {"", "\\??\\Z:\\home\\表", "", "Z:\\home\\表\\.local\\share"},
        {"relative/dir", "\\??\\Z:\\home\\me", "", "Z:\\home\\me\\.local\\share"},
        {"", "Z:\\home\\me", "", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        WineDataFolder folder = WineTrashParent(c.xdg, c.home);
        EXPECT_EQ(folder.unixPath, c.unixPath) << c.xdg << " " << c.home;
        EXPECT_EQ(folder.dosPath, c.dosPath) << c.xdg << " " << c.home;
    }
}

}  // namespace
