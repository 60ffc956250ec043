#include <gtest/gtest.h>

#include "launcher/model/clock_text.h"
#include "launcher/rules/menu_entries.h"

TEST(WeekdayNumber, GregorianDatesAndTheCalendarStart) {
    struct Case {
        int year, month, day, weekday;
    };
    const Case cases[] = {
        {2011, 8, 20, 6}, {2012, 1, 1, 0},   {2000, 2, 29, 2},  {2026, 12, 9, 3},
        {1900, 3, 1, 4},  {2024, 2, 29, 4},  {1582, 10, 15, 5}, {1582, 10, 14, 7},
        {1582, 9, 30, 7}, {1581, 12, 31, 7}, {1, 1, 1, 7},      {2100, 1, 1, 5},
        {2012, 2, 1, 3},  {2012, 12, 31, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WeekdayNumber(c.year, c.month, c.day), c.weekday)
            << c.year << "-" << c.month << "-" << c.day;
}

TEST(ClockText, ZeroPaddedFieldsAndTheWeekdayName) {
    EXPECT_EQ(ClockText({2011, 8, 20, 12, 11, 59}), "2011/08/20(Sat) 12:11\r\n");
    EXPECT_EQ(ClockText({2012, 1, 1, 0, 0, 0}), "2012/01/01(Sun) 00:00\r\n");
    EXPECT_EQ(ClockText({2000, 2, 29, 9, 5, 0}), "2000/02/29(Tue) 09:05\r\n");
    EXPECT_EQ(ClockText({2026, 12, 11, 23, 59, 0}), "2026/12/11(Fri) 23:59\r\n");
    EXPECT_EQ(ClockText({1500, 1, 1, 1, 1, 0}), "1500/01/01(Sat) 01:01\r\n");
    EXPECT_EQ(ClockText({2011, 8, 20, 12, 11, 0}).size(), 23u);
}

TEST(ClockRhythm, WakesJustAfterEachMinuteChange) {
    EXPECT_EQ(SecondsToNextMinute(50), 11);  // started at 12:34:50: next wake 12:35:01
    EXPECT_EQ(SecondsToNextMinute(0), 61);
    EXPECT_EQ(SecondsToNextMinute(59), 2);
    EXPECT_EQ(SecondsToNextMinute(60), 1);  // a leap second
    EXPECT_EQ(SecondsToNextMinute(61), 1);

    ClockMinute minute;
    EXPECT_TRUE(minute.Advance(34)) << "the first wake shows the time at once";
    EXPECT_FALSE(minute.Advance(34));
    EXPECT_TRUE(minute.Advance(35));

    ClockMinute startedInMinuteZero;
    EXPECT_FALSE(startedInMinuteZero.Advance(0));
    EXPECT_TRUE(startedInMinuteZero.Advance(1));
}

TEST(MainMenuItems, FixedItemsThenEveryBoardNumberedInListOrder) {
    std::vector<std::string> folder = {"a.txt", "b.txt"}, outside = {"C:\\x\\c.txt", ""};
    std::vector<MenuEntry> items = MainMenuItems(folder, outside);
    std::vector<std::pair<unsigned, std::string>> got;
    for (const MenuEntry& item : items) got.emplace_back(item.command, item.text);
    std::vector<std::pair<unsigned, std::string>> expected = {
        {1, "終了"},   {2, "新しい付箋"},   {3, "新しい付箋ファイル"},
        {4, "ヘルプ"}, {5, "ミニツール"},   {6, "a.txt"},
        {7, "b.txt"},  {8, "C:\\x\\c.txt"},
    };
    EXPECT_EQ(got, expected);
    EXPECT_EQ(MainMenuBoard(6, folder, outside).value_or(""), "a.txt");
    EXPECT_EQ(MainMenuBoard(8, folder, outside).value_or(""), "C:\\x\\c.txt");
    EXPECT_FALSE(MainMenuBoard(9, folder, outside)) << "an emptied entry";
    EXPECT_FALSE(MainMenuBoard(10, folder, outside));
    EXPECT_FALSE(MainMenuBoard(5, folder, outside));
    EXPECT_FALSE(MainMenuBoard(0, folder, outside));
}

TEST(WithNoteFileExtension, TheTypeEntryDecidesAndAnyCaseCounts) {
    EXPECT_EQ(WithNoteFileExtension("C:\\f\\memo", 1), "C:\\f\\memo.marnl");
    EXPECT_EQ(WithNoteFileExtension("C:\\f\\memo.MARNL", 1), "C:\\f\\memo.MARNL");
    EXPECT_EQ(WithNoteFileExtension("C:\\f\\memo.txt", 1), "C:\\f\\memo.txt.marnl");
    EXPECT_EQ(WithNoteFileExtension("C:\\f\\memo", 2), "C:\\f\\memo.txt");
    EXPECT_EQ(WithNoteFileExtension("C:\\f\\memo.TxT", 2), "C:\\f\\memo.TxT");
    EXPECT_EQ(WithNoteFileExtension("C:\\f\\memo.marnl", 2), "C:\\f\\memo.marnl.txt");
    EXPECT_EQ(WithNoteFileExtension("txt", 2), "txt.txt");
    EXPECT_EQ(WithNoteFileExtension("", 1), ".marnl");
}

TEST(NewBoardIsEmptied, OnlyTheNameTheDialogAskedAboutOrANewFile) {
    EXPECT_TRUE(NewBoardIsEmptied("C:\\f\\a.txt", "C:\\f\\a.txt", true)) << "overwrite confirmed";
    EXPECT_TRUE(NewBoardIsEmptied("C:\\f\\a", "C:\\f\\a.txt", false));
    EXPECT_FALSE(NewBoardIsEmptied("C:\\f\\a", "C:\\f\\a.txt", true)) << "opened as it is";
}
