// match_words.h — the matcher behind every filter: the typed words, the folder and file filters.
#pragma once
#include <string_view>

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
