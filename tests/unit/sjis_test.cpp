#include "common/sjis.h"

#include <gtest/gtest.h>

#include "common/file_names.h"
#include "common/text_lines.h"

TEST(Sjis, BackslashTrailByteIsNotASeparator) {
    // "表" is 0x95 0x5C: its trail byte looks like a backslash.
    std::string folder = "C:\\表\\a.txt";
    EXPECT_EQ(FindLastChar(folder, '\\'), 5u);
    EXPECT_FALSE(ContainsChar("表", '\\'));
    EXPECT_TRUE(ContainsChar("a\\b", '\\'));
    EXPECT_FALSE(IsCharBoundary("表", 1));
    EXPECT_TRUE(IsCharBoundary("表", 2));
}

TEST(Sjis, CaseFoldingLeavesTrailBytesAlone) {
    // "ア" is 0x83 0x41: its trail byte is "A" and must not fold to "a".
    EXPECT_FALSE(EqualsIgnoringCase("ア",
                                    "\x83"
                                    "a"));
    EXPECT_TRUE(EqualsIgnoringCase("C:\\FDIR\\x", "c:\\fdir\\X"));
    EXPECT_TRUE(StartsWithIgnoringCase("C:\\App\\FDIR\\b.txt", "c:\\app\\fdir"));
    EXPECT_FALSE(StartsWithIgnoringCase("ab", "abc"));
}

TEST(TextLines, AnyLineEndAndEmptyLinesSkipped) {
    std::vector<std::string> expected = {"a", "b", "c"};
    EXPECT_EQ(SplitLines("a\r\nb\r\nc\r\n"), expected);
    EXPECT_EQ(SplitLines("a\nb\nc"), expected);
    EXPECT_EQ(SplitLines("a\rb\r\r\nc"), expected);
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_TRUE(SplitLines("\r\n\n").empty());
}

TEST(TextLines, NulListEndsAtAnEmptyStringOrTheEnd) {
    using namespace std::string_literals;
    std::vector<std::string> expected = {"C:\\", "D:\\"};
    EXPECT_EQ(SplitAtNuls("C:\\\0D:\\\0\0E:\\\0"s), expected);
    EXPECT_EQ(SplitAtNuls("C:\\\0D:\\"s), expected);
    EXPECT_TRUE(SplitAtNuls(""s).empty());
}

TEST(FileNames, TemporaryNamesAndTheFolderOfAPath) {
    EXPECT_TRUE(IsTemporaryName("a.txt.tmp~"));
    EXPECT_TRUE(IsTemporaryName("a.txt.old.tmp~"));
    EXPECT_FALSE(IsTemporaryName(".tmp~"));
    EXPECT_FALSE(IsTemporaryName("a.tmp~.txt"));
    // "表" is 0x95 0x5C: its trail byte is no separator.
    EXPECT_EQ(FolderOfPath("C:\\app\\表"), "C:\\app\\");
    EXPECT_EQ(FolderOfPath("Marnelo.exe"), "");
}

TEST(CutAtCharBoundary, KeepsWholeCharactersWithinTheLimit) {
    EXPECT_EQ(CutAtCharBoundary("abcdef", 4), "abcd");
    EXPECT_EQ(CutAtCharBoundary("abc", 4), "abc");
    EXPECT_EQ(CutAtCharBoundary("", 0), "");
    // "表" is 0x95 0x5C: cut between its bytes, the whole character goes.
    EXPECT_EQ(CutAtCharBoundary("ab\x95\x5C"
                                "c",
                                3),
              "ab");
    EXPECT_EQ(CutAtCharBoundary("ab\x95\x5C"
                                "c",
                                4),
              "ab\x95\x5C");
    std::string longText(300, 'x');
    EXPECT_EQ(CutAtCharBoundary(longText, 255).size(), 255u);
}
