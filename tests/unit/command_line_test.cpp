#include "common/command_line.h"

#include <gtest/gtest.h>

TEST(CommandTail, TheProgramNameAndTheBlanksAfterItGo) {
    struct Case {
        const char* line;
        const char* tail;
    };
    const Case cases[] = {
        {"marnelo.exe", ""},
        {"marnelo.exe   ", ""},
        {"marnelo.exe work.txt", "work.txt"},
        {"\"C:\\Program Files\\表\\marnelo.exe\" work.txt", "work.txt"},
        {"\"C:\\My Apps\\quorvel.exe\"\t \"D:\\a b\\\"", "\"D:\\a b\\\""},
        {"marnelo.exe 仕事.txt", "仕事.txt"},  // a leading double-byte character stays
        {"quorvel.exe 買い物 メモ", "買い物 メモ"},
        {"quorvel.exe x  y ", "x  y "},  // inner and trailing blanks are the text's own
        {"\"unclosed name", ""},
        {"", ""},
        {"\"\" arg", "arg"},
    };
    for (const Case& c : cases) EXPECT_EQ(CommandTail(c.line), c.tail) << c.line;
}
