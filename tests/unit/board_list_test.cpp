#include "launcher/model/board_list.h"

#include <gtest/gtest.h>

namespace {

const char kDataFolder[] = "C:\\App\\fdir";

}  // namespace

TEST(ReadOutsideList, AnyLineEndGivesTheSameEntries) {
    const std::vector<std::string> expected = {"C:\\memo\\a.txt", "D:\\表\\b.txt", "E:\\c.txt"};
    for (const char* text : {"C:\\memo\\a.txt\r\nD:\\表\\b.txt\r\nE:\\c.txt\r\n",
                             "C:\\memo\\a.txt\nD:\\表\\b.txt\nE:\\c.txt\n",
                             "C:\\memo\\a.txt\rD:\\表\\b.txt\rE:\\c.txt",
                             "\r\n\r\nC:\\memo\\a.txt\n\nD:\\表\\b.txt\r\r\nE:\\c.txt"}) {
        std::vector<std::string> boards;
        ReadOutsideList(boards, text, kDataFolder);
        EXPECT_EQ(boards, expected) << text;
    }
}

TEST(ReadOutsideList, DataFolderBoardsAndRepeatsAreLeftOut) {
    std::vector<std::string> boards = {"C:\\memo\\a.txt"};
    ReadOutsideList(boards,
                    "c:\\app\\FDIR\\work.txt\n"  // in the data folder, other letter case
                    "C:\\memo\\a.txt\n"          // listed already
                    "D:\\x.txt\n"
                    "D:\\x.txt\n"
                    "D:\\X.txt\n",  // repeats are exact: another letter case is another entry
                    kDataFolder);
    EXPECT_EQ(boards, (std::vector<std::string>{"C:\\memo\\a.txt", "D:\\x.txt", "D:\\X.txt"}));
}

TEST(AddOutsideBoard, EmptyPathIsNotAdded) {
    std::vector<std::string> boards;
    AddOutsideBoard(boards, "", kDataFolder);
    EXPECT_TRUE(boards.empty());
    AddOutsideBoard(boards, "E:\\b.txt", kDataFolder);
    AddOutsideBoard(boards, "C:\\a.txt", kDataFolder);
    EXPECT_EQ(boards, (std::vector<std::string>{"E:\\b.txt", "C:\\a.txt"}));  // in order
}

TEST(LiesInDataFolder, UnderTheFolderInAnyLetterCase) {
    struct Case {
        const char* path;
        bool inside;
    };
    const Case cases[] = {
        {"C:\\App\\fdir\\a.txt", true},
        {"c:\\APP\\FDIR\\a.txt", true},
        {"C:\\App\\fdir\\old\\a.txt", true},
        {"C:\\App\\fdir", false},          // the folder itself is no board in it
        {"C:\\App\\fdir2\\a.txt", false},  // a sibling folder whose name only begins alike
        {"C:\\App\\fdir.txt", false},
        {"D:\\App\\fdir\\a.txt", false},
        {"C:\\App\\a.txt", false}};
    for (const Case& c : cases)
        EXPECT_EQ(LiesInDataFolder(c.path, kDataFolder), c.inside) << c.path;
    EXPECT_TRUE(LiesInDataFolder("C:\\App\\fdir\\a.txt", "C:\\App\\fdir\\"));
    // The trail byte of 表 (0x95 0x5C) is not the separator after the folder.
    EXPECT_TRUE(LiesInDataFolder("C:\\表\\a.txt", "C:\\表"));
    EXPECT_FALSE(LiesInDataFolder("C:\\表\\a.txt", "C:\\\x95"));
}

TEST(KnownBoardsText, GoneBoardsAreLeftOutAndEmptiedInTheList) {
    std::vector<std::string> boards = {"C:\\a.txt", "C:\\gone.txt", "D:\\表\\b.txt"};
    auto exists = [](const std::string& path) { return path != "C:\\gone.txt"; };
    std::optional<std::string> text = KnownBoardsText(boards, exists);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "C:\\a.txt\nD:\\表\\b.txt\n");
    EXPECT_EQ(boards, (std::vector<std::string>{"C:\\a.txt", "", "D:\\表\\b.txt"}))
        << "the numbers of the other entries stay";
}

TEST(KnownBoardsText, NoEntriesLeaveTheFileAndAllGoneEmptiesIt) {
    std::vector<std::string> none;
    EXPECT_FALSE(KnownBoardsText(none, [](const std::string&) { return true; }));
    std::vector<std::string> gone = {"C:\\x.txt", ""};
    std::optional<std::string> text =
        KnownBoardsText(gone, [](const std::string&) { return false; });
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "");
}

TEST(PlanBoardSwitch, NameAfterTheLastBackslashAndTheDeletedNotesFile) {
    const char deleted[] = "C:\\App\\fdir\\old";
    SwitchedBoard inside =
        PlanBoardSwitch("c:\\app\\FDIR\\work.txt", "marnelo.txt", kDataFolder, deleted);
    EXPECT_EQ(inside.name, "work.txt");
    EXPECT_EQ(inside.deletedNotesPath, "C:\\App\\fdir\\old\\work.txt");

    SwitchedBoard outside =
        PlanBoardSwitch("D:\\memo\\表\\a.txt", "marnelo.txt", kDataFolder, deleted);
    EXPECT_EQ(outside.name, "a.txt");
    EXPECT_EQ(outside.deletedNotesPath, "C:\\App\\fdir\\old\\outside.txt");

    SwitchedBoard sibling = PlanBoardSwitch("C:\\App\\fdir2\\b.txt", "x", kDataFolder, deleted);
    EXPECT_EQ(sibling.deletedNotesPath, "C:\\App\\fdir\\old\\outside.txt");

    SwitchedBoard plain = PlanBoardSwitch("表", "marnelo.txt", kDataFolder, deleted);
    EXPECT_EQ(plain.name, "marnelo.txt") << "a text without a backslash keeps the name";
}

TEST(ShowsSwitchedBoard, AnEmptyOrUnreadBoardGivesWayToTheCommonNotes) {
    EXPECT_TRUE(ShowsSwitchedBoard(std::string("a")));
    EXPECT_FALSE(ShowsSwitchedBoard(std::string()));
    EXPECT_FALSE(ShowsSwitchedBoard(std::nullopt));
}
