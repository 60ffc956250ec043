#include "utility/model/match_words.h"

#include <cstdint>
#include <cstring>
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

namespace {

// The same ranges as IsLeadByte, inline: the matcher asks for every candidate hit.
inline bool LeadRange(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

inline unsigned char FoldLetter(unsigned char c) {
    return static_cast<unsigned char>(c - 'A') < 26 ? c + ('a' - 'A') : c;
}

inline bool HasLetter(std::string_view loose) {
    for (char c : loose)
        if (c >= 'a' && c <= 'z') return true;
    return false;
}

// Folds every "A".."Z" byte, eight at a time: the loop is most of a row's cost when the
// compiler does not vectorise the byte loop by itself.
void FoldLoosely(std::string_view text, char* out) {
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t highs = 0x8080808080808080u;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t bytes;
        std::memcpy(&bytes, text.data() + i, 8);
        std::uint64_t low = bytes & ~highs;  // no carry can cross into the next byte
        std::uint64_t atLeastA = low + (0x80 - 'A') * ones;
        std::uint64_t aboveZ = low + (0x80 - 'Z' - 1) * ones;
        std::uint64_t upper = atLeastA & ~aboveZ & ~bytes & highs;
        bytes |= upper >> 2;  // 0x80 >> 2 is the 0x20 between "A" and "a"
        std::memcpy(out + i, &bytes, 8);
    }
    for (; i < text.size(); ++i)
        out[i] = static_cast<char>(FoldLetter(static_cast<unsigned char>(text[i])));
}

// `word` (folded as MatchWords folds it) at `pos`, a character boundary of `text`, with the
// letters of `text` folded only where they are characters of their own.
bool WordAt(std::string_view text, std::size_t pos, std::string_view word) {
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < word.size()) {
        unsigned char c = static_cast<unsigned char>(text[pos + i]);
        if (LeadRange(c) && pos + i + 1 < size) {
            if (c != static_cast<unsigned char>(word[i])) return false;
            if (i + 1 < word.size() && text[pos + i + 1] != word[i + 1]) return false;
            i += 2;
        } else {
            if (FoldLetter(c) != static_cast<unsigned char>(word[i])) return false;
            i += 1;
        }
    }
    return true;
}

}  // namespace

WordMatcher::WordMatcher(std::string_view pattern, int searchMode)
    : prefixMode_(searchMode == 0), pattern_(FoldAsciiCase(pattern)) {
    loosePattern_ = pattern_;
    for (char& c : loosePattern_) c = static_cast<char>(FoldLetter(static_cast<unsigned char>(c)));
    if (prefixMode_) return;
    for (std::string_view word : SplitWords(pattern_)) {
        if (word.empty()) continue;
        bool excluded = word[0] == '^';
        if (excluded) word.remove_prefix(1);
        if (word.empty()) {
            rejectsAll_ = true;
            continue;
        }
        std::size_t start = word.data() - pattern_.data();
        bool letters = HasLetter(std::string_view(loosePattern_).substr(start, word.size()));
        words_.push_back({start, word.size(), excluded, letters});
        needsFold_ = needsFold_ || letters;
    }
}

bool WordMatcher::MatchesPrefix(std::string_view text) const {
    const std::size_t size = text.size();
    const std::size_t length = pattern_.size();
    if (size < length) return false;
    std::size_t i = 0;
    while (i < length) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (LeadRange(c) && i + 1 < size) {
            // A prefix that ends inside a double-byte character of the text is no prefix.
            if (i + 1 >= length) return false;
            if (c != static_cast<unsigned char>(pattern_[i]) || text[i + 1] != pattern_[i + 1])
                return false;
            i += 2;
        } else {
            if (FoldLetter(c) != static_cast<unsigned char>(pattern_[i])) return false;
            i += 1;
        }
    }
    return true;
}

// Searches the loosely folded text (or the text itself when the word has no letter) for the
// loosely folded word with memchr and memcmp; only a candidate is checked for a character
// boundary and for the exact folding, which the loose search over-approximates.
bool WordMatcher::Contains(std::string_view text, const char* folded, const Word& word,
                           LeadRun& run) const {
    const std::size_t size = text.size();
    const std::size_t length = word.length;
    if (length > size) return false;
    const char* needle = loosePattern_.data() + word.start;
    std::string_view exact(pattern_.data() + word.start, length);
    const std::size_t last = size - length;  // the last position a hit may start at
    std::size_t from = 0;
    while (from <= last) {
        const void* found = std::memchr(folded + from, needle[0], last - from + 1);
        if (!found) return false;
        std::size_t pos = static_cast<const char*>(found) - folded;
        from = pos + 1;
        if (folded[pos + length - 1] != needle[length - 1] ||
            std::memcmp(folded + pos + 1, needle + 1, length - 1) != 0)
            continue;
        if (pos > 0 && LeadRange(static_cast<unsigned char>(text[pos - 1]))) {
            // Lead-range bytes pair up from the start of their run, which is a boundary.
            std::size_t start = pos - 1;
            auto known = [&] { return start >= run.start && start <= run.end; };
            while (!known() && start > 0 && LeadRange(static_cast<unsigned char>(text[start - 1])))
                --start;
            if (known()) start = run.start;
            run = {start, pos};
            if ((pos - start) % 2 != 0) continue;
        }
        if (WordAt(text, pos, exact)) return true;
    }
    return false;
}

bool WordMatcher::Matches(std::string_view text) {
    if (prefixMode_) return MatchesPrefix(text);
    if (rejectsAll_) return false;
    if (words_.empty()) return true;
    const char* folded = text.data();
    if (needsFold_) {
        if (looseText_.size() < text.size()) looseText_.resize(text.size());
        FoldLoosely(text, looseText_.data());
        folded = looseText_.data();
    }
    LeadRun run;
    for (const Word& word : words_) {
        const char* haystack = word.letters ? folded : text.data();
        if (Contains(text, haystack, word, run) == word.excluded) return false;
    }
    return true;
}
