// sjis.h — the code page 932 byte rules every search for "\", ":" or "/" and every letter-case
// comparison must respect, so that a trail byte is never taken for a separator or a letter.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// True for the first byte of a double-byte character.
inline bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// True when `pos` starts a character of `text` (pos == size counts as a boundary).
bool IsCharBoundary(std::string_view text, std::size_t pos);

// Position of the last single-byte `c` that is a whole character, or npos.
std::size_t FindLastChar(std::string_view text, char c);

// Position of the first single-byte `c` that is a whole character, or npos.
std::size_t FindFirstChar(std::string_view text, char c);

bool ContainsChar(std::string_view text, char c);

// Folds only single-byte "A".."Z"; trail bytes stay as they are.
std::string FoldAsciiCase(std::string_view text);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// At most `limit` bytes of `text`, never ending inside a double-byte character.
std::string CutAtCharBoundary(std::string_view text, std::size_t limit);
