#include "launcher/rules/menu_entries.h"

#include <gtest/gtest.h>

TEST(NoteMenu, ItemsAreInsertedSoTheyShowCopyFirst) {
    const std::vector<MenuEntry>& items = NoteMenuItems();
    ASSERT_EQ(items.size(), 6u);
    // Inserted at the top one after the other: the last inserted is shown first.
    EXPECT_EQ(items.back().text, "C.クリップボードにコピー");
    EXPECT_EQ(items.back().command, 6u);
    EXPECT_EQ(items.front().text, "移動");
    EXPECT_EQ(items[1].command, 3u);
    EXPECT_EQ(items[3].command, 4u);
}

TEST(MoveMenuEntries, CurrentBoardIsLeftOutButUsesUpItsNumber) {
    std::vector<std::string> folder = {"a.txt", "marnelo.txt", "b.txt"};
    std::vector<std::string> outside = {"D:\\x.txt", "", "E:\\y.txt"};
    std::vector<MenuEntry> entries = MoveMenuEntries(folder, outside, "marnelo.txt");
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].command, 10u);
    EXPECT_EQ(entries[1].command, 12u);
    EXPECT_EQ(entries[1].text, "b.txt");
    EXPECT_EQ(entries[2].command, 13u);
    EXPECT_EQ(entries[3].command, 15u) << "an emptied entry keeps its number too";
    EXPECT_EQ(entries[3].text, "E:\\y.txt");

    EXPECT_EQ(MoveTargetOf(12, folder, outside), "b.txt");
    EXPECT_EQ(MoveTargetOf(13, folder, outside), "D:\\x.txt");
    EXPECT_EQ(MoveTargetOf(15, folder, outside), "E:\\y.txt");
    EXPECT_FALSE(MoveTargetOf(14, folder, outside));
    EXPECT_FALSE(MoveTargetOf(16, folder, outside));
    EXPECT_FALSE(MoveTargetOf(6, folder, outside));
}

TEST(MoveMenuEntries, OutsideBoardNamedAsTheCurrentOneIsComparedExactly) {
    // At start-up with a path the board's name is that whole path.
    std::vector<MenuEntry> entries = MoveMenuEntries({"a.txt"}, {"D:\\m\\a.txt"}, "D:\\m\\a.txt");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text, "a.txt");
}

TEST(MenuItemText, EveryAmpersandShowsAsItself) {
    EXPECT_EQ(MenuItemText("a&b && c&"), "a&&b &&&& c&&");
    EXPECT_EQ(MenuItemText("表&"), "表&&") << "a double-byte character stays whole";
    EXPECT_EQ(MenuItemText(""), "");
}
