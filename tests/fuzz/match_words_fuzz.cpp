// The word matcher on any pattern and text (the first line is the pattern, the rest the text):
// no crash, the empty pattern matches, and a piece of the text that starts and ends on whole
// characters matches as a word and as a prefix, and excludes the text as a "^" word. The
// prepared matcher answers as MatchText does, also when one matcher serves several texts.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/sjis.h"
#include "tests/fuzz/fuzz_check.h"
#include "utility/model/match_words.h"

namespace {

// A piece that the splitting leaves whole: no separator, no exclusion mark at its start.
bool OneWord(std::string_view piece) {
    return !piece.empty() && piece[0] != '^' && piece.find(' ') == std::string_view::npos &&
           piece.find("\x81\x40") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(bytes), size);
    std::size_t lineEnd = input.find('\n');
    std::string_view pattern = input.substr(0, lineEnd);
    std::string_view text = lineEnd == std::string_view::npos ? "" : input.substr(lineEnd + 1);

    for (int mode : {0, 1}) {
        WordMatcher matcher(pattern, mode);
        Require(matcher.Matches(text) == MatchText(pattern, text, mode), "prepared = MatchText");
        for (std::size_t cut : {text.size() / 2, text.size() / 3}) {
            std::string_view tail = text.substr(cut);
            Require(matcher.Matches(tail) == MatchText(pattern, tail, mode), "a reused matcher");
        }
    }
    ContainsWord(text, pattern);
    Require(MatchWords("", text) && MatchPrefix("", text), "the empty pattern matches");
    Require(MatchWords(text, text) || !OneWord(text), "a text matches itself as a word");

    // The pattern's length picks the piece, so that the fuzzer steers it.
    std::size_t start = pattern.size() % (text.size() + 1);
    std::size_t end = start + (pattern.empty() ? 0 : static_cast<unsigned char>(pattern[0]));
    end = std::min(end, text.size());
    if (!IsCharBoundary(text, start) || !IsCharBoundary(text, end)) return 0;
    std::string_view piece = text.substr(start, end - start);
    if (OneWord(piece)) {
        Require(MatchWords(piece, text), "a whole piece of the text matches");
        Require(!MatchWords("^" + std::string(piece), text), "a whole piece excludes the text");
        Require(MatchWords(FoldAsciiCase(piece), text), "letter case does not count");
    }
    Require(MatchPrefix(text.substr(0, end), text), "a text begins with its whole first part");
    return 0;
}
