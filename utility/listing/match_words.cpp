#include "utility/listing/match_words.h"

#include <string>
#include <vector>

#include "common/sjis.h"

namespace {

std::size_t CharLength(std::string_view text, std::size_t pos) {
    bool lead = IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size();
    return lead ? 2 : 1;
}

// Length of the separator at `pos` (ASCII or full-width space), 0 when there is none.
std::size_t SeparatorAt(std::string_view text, std::size_t pos) {
    if (text[pos] == ' ') return 1;
    if (static_cast<unsigned char>(text[pos]) == 0x81 && pos + 1 < text.size() &&
        static_cast<unsigned char>(text[pos + 1]) == 0x40)
        return 2;
    return 0;
}

// The first word may be empty (a separator at the very start); every later word keeps its
// first character even when that is a separator, and a final ASCII space stays in its word.
std::vector<std::string_view> SplitWords(std::string_view pattern) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        std::size_t separator = SeparatorAt(pattern, pos);
        bool lastSpace = separator == 1 && pos + 1 == pattern.size();
        if (separator == 0 || lastSpace) {
            pos += CharLength(pattern, pos);
            continue;
        }
        words.push_back(pattern.substr(start, pos - start));
        start = pos + separator;
        if (start >= pattern.size()) return words;
        pos = start + CharLength(pattern, start);
    }
    words.push_back(pattern.substr(start));
    return words;
}

}  // namespace

bool ContainsWord(std::string_view text, std::string_view word) {
    if (word.empty()) return true;
    for (std::size_t pos = 0; pos + word.size() <= text.size(); pos += CharLength(text, pos)) {
        if (text.compare(pos, word.size(), word) == 0) return true;
    }
    return false;
}

bool MatchWords(std::string_view pattern, std::string_view text) {
    std::string loweredPattern = FoldAsciiCase(pattern);
    std::string loweredText = FoldAsciiCase(text);
    for (std::string_view word : SplitWords(loweredPattern)) {
        if (word.empty()) continue;
        if (word[0] == '^') {
            if (ContainsWord(loweredText, word.substr(1))) return false;
        } else if (!ContainsWord(loweredText, word)) {
            return false;
        }
    }
    return true;
}

bool MatchPrefix(std::string_view pattern, std::string_view text) {
    return StartsWithIgnoringCase(text, pattern);
}

bool MatchText(std::string_view pattern, std::string_view text, int searchMode) {
    return searchMode == 0 ? MatchPrefix(pattern, text) : MatchWords(pattern, text);
}
