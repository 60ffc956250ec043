// The Shift-JIS helpers and the cut to a parent folder on arbitrary bytes: nothing they return
// splits a double-byte character or takes a trail byte for a separator. The last bytes pick the
// level, the limit and the byte searched for; the rest is the text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/sjis.h"
#include "tests/fuzz/fuzz_check.h"
#include "utility/rules/list_rows.h"

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The boundary rule by itself: before `pos` (not the end) the run of bytes in the lead-byte
// ranges has an even length.
bool BoundaryByRun(std::string_view text, std::size_t pos) {
    std::size_t run = 0;
    while (run < pos && IsLeadByte(static_cast<unsigned char>(text[pos - 1 - run]))) ++run;
    return run % 2 == 0;
}

bool IsSeparator(char c) {
    return c == '\\' || c == ':' || c == '/';
}

void CheckCut(std::string_view path, int level) {
    std::optional<std::string> cut = CutToLevel(path, level);
    if (level <= 0) {
        Require(cut && *cut == path, "level 0 keeps the path");
        return;
    }
    if (!cut) return;
    std::size_t at = cut->size();
    Require(at > 0 && at < path.size() && path.substr(0, at) == *cut, "a cut is a prefix");
    Require(IsCharBoundary(path, at) && IsSeparator(path[at]), "a cut ends before a separator");
    int separators = 0;
    for (std::size_t i = at; i < path.size();) {
        separators += IsSeparator(path[i]) ? 1 : 0;
        i += IsLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size() ? 2 : 1;
    }
    Require(separators == level, "a cut leaves as many separators as the level");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    int level = data.ConsumeIntegralInRange(-1, 12);
    std::size_t limit = data.ConsumeIntegralInRange<std::size_t>(0, 300);
    char searched = data.ConsumeIntegral<char>();
    std::string text = data.ConsumeRemainingBytesAsString();

    CheckCut(text, level);
    BoardListTexts({text, text + "\\x", ""}, "", "", level, 1);

    for (std::size_t pos : {limit, limit + 1, text.size() / 2, text.size() / 2 + 1})
        if (pos < text.size())
            Require(IsCharBoundary(text, pos) == BoundaryByRun(text, pos),
                    "a boundary is where the run of lead bytes before it is even");
    Require(IsCharBoundary(text, 0) && IsCharBoundary(text, text.size()) &&
                !IsCharBoundary(text, text.size() + 1),
            "the ends are boundaries, beyond is none");

    for (char c : {searched, '\\', ':', '/'}) {
        std::size_t last = FindLastChar(text, c), first = FindFirstChar(text, c);
        Require((last == npos) == (first == npos) && ContainsChar(text, c) == (first != npos),
                "the searches agree on whether the byte is there");
        if (first == npos) continue;
        Require(first <= last && text[first] == c && text[last] == c, "a found byte is the byte");
        Require(IsCharBoundary(text, first) && IsCharBoundary(text, last),
                "a found byte is a whole character");
    }

    std::string cut = CutAtCharBoundary(text, limit);
    Require(cut.size() <= limit || cut == text, "a cut keeps at most the limit");
    Require(text.compare(0, cut.size(), cut) == 0 && IsCharBoundary(text, cut.size()),
            "a cut ends on a whole character");
    Require(cut.size() + 1 >= std::min(limit, text.size()), "a cut drops at most one byte more");

    std::string folded = FoldAsciiCase(text);
    Require(folded.size() == text.size() && EqualsIgnoringCase(text, folded) &&
                FoldAsciiCase(folded) == folded,
            "folding keeps the length and is done once");
    Require(StartsWithIgnoringCase(folded, cut), "a text begins with its cut, in any case");
    return 0;
}
