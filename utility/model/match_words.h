// match_words.h — the matcher behind every filter: the typed words, the folder and file filters.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Every word must occur in `text` and no word that begins with "^" may (without its "^").
// Words end at an ASCII space or the full-width space; letter case of "A".."Z" is ignored.
bool MatchWords(std::string_view pattern, std::string_view text);

// `text` begins with `pattern`, letter case ignored; a space is an ordinary byte here.
bool MatchPrefix(std::string_view pattern, std::string_view text);

// The matcher the [mode] search setting chooses: 0 prefix matching, anything else words.
bool MatchText(std::string_view pattern, std::string_view text, int searchMode);

// Byte-wise containment that starts only on a character of `text`, so a trail byte and the
// next lead byte are never read as a character of `word`.
bool ContainsWord(std::string_view text, std::string_view word);

// MatchText with the pattern prepared once for a whole list: the pattern is folded and split
// when the matcher is made, and Matches() reuses one buffer, so a row costs no allocation.
// Its answers are exactly MatchText's for the same pattern, text and mode.
class WordMatcher {
  public:
    WordMatcher(std::string_view pattern, int searchMode);

    // Not const: the folded copy of the text lives in a buffer the matcher keeps.
    bool Matches(std::string_view text);
    // Every text matches (an empty pattern): nothing need be matched.
    bool MatchesAll() const {
        return prefixMode_ ? pattern_.empty() : !rejectsAll_ && words_.empty();
    }

  private:
    struct Word {
        std::size_t start;  // in pattern_ and loosePattern_
        std::size_t length;
        bool excluded;
        bool letters;  // searched in the folded text, else in the text itself
    };
    // The start of the last run of lead-range bytes met while checking boundaries, so that a
    // long run of such bytes is walked once per word and not once per hit.
    struct LeadRun {
        std::size_t start = 0;
        std::size_t end = 0;
    };

    bool MatchesPrefix(std::string_view text) const;
    bool Contains(std::string_view text, const char* folded, const Word& word, LeadRun& run) const;

    bool prefixMode_;
    bool rejectsAll_ = false;   // a "^" alone excludes every text
    bool needsFold_ = false;    // some word holds a letter, so the text must be folded to find it
    std::string pattern_;       // folded as MatchWords folds it: trail bytes keep their case
    std::string loosePattern_;  // every "A".."Z" folded, trail bytes too: what the search looks for
    std::vector<Word> words_;
    std::vector<char> looseText_;
};
