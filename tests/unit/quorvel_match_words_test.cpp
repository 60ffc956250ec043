// The matcher behind the input line and the listing filters.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "common/sjis.h"
#include "utility/model/match_words.h"

namespace {

struct Case {
    const char* pattern;
    const char* text;
    bool match;
};

TEST(QuorvelMatchWords, WordsExclusionsAndSeparators) {
    const Case cases[] = {
        {"abc def", "xx def yy abc", true},  // any order
        {"abc def", "abc only", false},
        {"abc def ^tmp", "abc def", true},
        {"abc def ^tmp", "abc def tmp", false},
        {"abc def ^tmp", "tmpabc def", false},
        {"abc\x81\x40"
         "def",
         "def abc", true},  // the full-width space separates
        {"abc\x81\x40"
         "def",
         "abc", false},
        {"abc ", "abc def", true},  // a trailing space stays in the word
        {"abc ", "xabc", false},
        {"abc ", "abcdef", false},
        {"^", "anything", false},
        {"^", "", false},
        {"ABC", "xxabcxx", true},  // letter case makes no difference, either side
        {"abc", "XXABCXX", true},
        {"", "anything", true},
        {"", "", true},
        {" abc", "abc", true},          // a space at the start gives an empty first word
        {"abc  def", "abc def", true},  // the second space starts the word " def"
        {"abc  def", "abcdef", false},
        {"a\x81\x40\x81\x40"
         "b",
         "a\x81\x40"
         "b",
         true},  // both bytes start the next word
        {"a\x81\x40\x81\x40"
         "b",
         "ab", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchWords(c.pattern, c.text), c.match)
            << "pattern [" << c.pattern << "] text [" << c.text << "]";
}

TEST(QuorvelMatchWords, PrefixMode) {
    const Case cases[] = {
        {"ab", "Abc", true},    {"ab", "xab", false},   // containing is not enough
        {"a b", "a bc", true},                          // a space is an ordinary byte
        {"a b", "ab", false},   {"abc", "ab", false},   // the text is shorter
        {"", "anything", true}, {"^ab", "^abc", true},  // "^" has no meaning here
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchPrefix(c.pattern, c.text), c.match) << c.pattern << " / " << c.text;
    EXPECT_TRUE(MatchText("ab", "Abc", 0));
    EXPECT_FALSE(MatchText("ab", "xab", 0));
    EXPECT_TRUE(MatchText("ab", "xab", 1));
}

// "ア" is 0x83 0x41 and "ヂ" 0x83 0x61: folding a trail byte would make the one match the other.
TEST(QuorvelMatchWords, DoubleByteCharactersAreNeverFoldedOrSplit) {
    EXPECT_TRUE(MatchWords("ア", "カタカナのア"));
    EXPECT_FALSE(MatchWords("ア", "ヂ"));
    EXPECT_FALSE(MatchWords("ヂ", "ア"));
    EXPECT_FALSE(MatchPrefix("ア", "ヂ"));
    // "a" (0x61) is the trail byte of "ヂ": it is no letter of the text.
    EXPECT_FALSE(MatchWords("a", "ヂ"));
    EXPECT_TRUE(MatchWords("a", "ヂa"));
    // 0x81 0x81 is "＝": its trail byte and the "@" after it are no full-width space.
    EXPECT_TRUE(MatchWords("\x81\x81@x", "\x81\x81@x"));
    EXPECT_FALSE(MatchWords("\x81\x81@x", "x"));
    EXPECT_TRUE(MatchWords("表", "表示"));  // 0x95 0x5C: a trail byte that looks like "\"
}

TEST(QuorvelMatchWords, ContainsWordStartsOnCharacters) {
    EXPECT_TRUE(ContainsWord("abc", ""));
    EXPECT_TRUE(ContainsWord("abc", "bc"));
    EXPECT_FALSE(ContainsWord("bc", "abc"));
    EXPECT_FALSE(ContainsWord("\x83\x61", "\x61"));
    EXPECT_TRUE(ContainsWord("x\x83\x61", "\x83\x61"));
}

TEST(QuorvelCharBoundary, AfterAndInsideADoubleByteCharacter) {
    const std::string text = "あb";  // 0x82 0xA0 'b'
    EXPECT_TRUE(IsCharBoundary(text, 0));
    EXPECT_FALSE(IsCharBoundary(text, 1));  // between the two bytes, at the start of the text
    EXPECT_TRUE(IsCharBoundary(text, 2));
    const std::string later = "C:\\表\\";  // the trail byte of "表" is 0x5C
    EXPECT_TRUE(IsCharBoundary(later, 3));
    EXPECT_FALSE(IsCharBoundary(later, 4));
    EXPECT_TRUE(IsCharBoundary(later, 5));
    // Lead-range bytes that are second bytes: "\x81\x81" twice, then a backslash.
    const std::string run = "\x81\x81\x81\x81\\";
    EXPECT_TRUE(IsCharBoundary(run, 4));
    EXPECT_FALSE(IsCharBoundary(run, 3));
}

}  // namespace

// The prepared matcher must answer exactly as MatchText does. The bytes are few, so that words
// recur in the texts, and are chosen to trip the character rules: lead bytes that also serve
// as trail bytes, trail bytes that look like letters, "\" or "@", the full-width space, "^",
// a zero byte, and a lead byte left alone at the end.
TEST(QuorvelWordMatcher, AgreesWithMatchTextOnRandomTexts) {
    const char alphabet[] = {'a',    'A',    'b',    'Z',    ' ',    '^',    '\x81',
                             '\x40', '\x83', '\x61', '\x41', '\x5C', '\x9F', '\xE0',
                             '\xFC', '\x7E', '\0',   'z',    '\x81', '\x40'};
    std::uint32_t seed = 12345;
    auto next = [&seed](std::uint32_t bound) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % bound;
    };
    auto randomBytes = [&](std::string& out, std::uint32_t most) {
        out.clear();
        for (std::uint32_t n = next(most + 1); n > 0; --n) out += alphabet[next(sizeof alphabet)];
    };
    std::string pattern, text;
    int matched[2] = {0, 0};
    for (int round = 0; round < 1000000; ++round) {
        randomBytes(pattern, 6);
        randomBytes(text, 20);
        // Half the texts hold a piece of the pattern, perhaps starting inside a character.
        if (round % 2 && !pattern.empty()) {
            std::size_t start = next(static_cast<std::uint32_t>(pattern.size()));
            text.insert(next(static_cast<std::uint32_t>(text.size() + 1)), pattern, start,
                        next(static_cast<std::uint32_t>(pattern.size() - start)) + 1);
        }
        int mode = round % 3 == 0 ? 0 : 1;
        bool expected = MatchText(pattern, text, mode);
        matched[expected]++;
        WordMatcher matcher(pattern, mode);
        ASSERT_EQ(matcher.Matches(text), expected)
            << "mode " << mode << " pattern [" << pattern << "] text [" << text << "]";
        ASSERT_TRUE(expected || !matcher.MatchesAll()) << "[" << pattern << "]";
    }
    EXPECT_GT(matched[0], 100000);  // both answers are common, or the comparison proves little
    EXPECT_GT(matched[1], 100000);
}

// One matcher serves many texts of any length: its buffer must not carry one text into the
// next, and a long run of lead-range bytes is paired from its start every time.
TEST(QuorvelWordMatcher, ReusedAcrossTexts) {
    WordMatcher matcher("AB \x81\x81 ^zz", 1);
    EXPECT_TRUE(matcher.Matches(std::string(200, 'x') + "ab\x81\x81"));
    EXPECT_FALSE(matcher.Matches("ab"));
    EXPECT_TRUE(
        matcher.Matches("\x81\x81"
                        "aB"));
    EXPECT_FALSE(
        matcher.Matches("\x81\x81\x81"
                        "ab"));  // the second pair is no character
    EXPECT_TRUE(
        matcher.Matches("\x81\x81\x81\x81"
                        "ab"));
    EXPECT_FALSE(
        matcher.Matches("\x81\x81"
                        "ab zZ"));
    const std::string run(10001, '\x81');
    EXPECT_FALSE(matcher.Matches(run + "ab")) << "the odd lead byte takes the \"a\"";
}

TEST(QuorvelWordMatcher, PatternsOfSeparatorsAndMarksOnly) {
    const char* patterns[] = {"", " ", "  ", "^", "^ ^", "a ^", " \x81\x40 ", "\x81\x40", "\x81"};
    const std::string_view texts[] = {"", "a", "^", " ", std::string_view("\0", 1), "\x83"};
    for (const char* pattern : patterns)
        for (std::string_view text : texts)
            for (int mode : {0, 1}) {
                bool expected = MatchText(pattern, text, mode);
                EXPECT_EQ(WordMatcher(pattern, mode).Matches(text), expected)
                    << "mode " << mode << " pattern [" << pattern << "] text [" << text << "]";
                EXPECT_TRUE(expected || !WordMatcher(pattern, mode).MatchesAll()) << pattern;
            }
    EXPECT_TRUE(WordMatcher("", 0).MatchesAll());
    EXPECT_TRUE(WordMatcher("", 1).MatchesAll());
}
