#include "common/sjis.h"

bool IsCharBoundary(std::string_view text, std::size_t pos) {
    if (pos > text.size()) return false;
    std::size_t i = 0;
    while (i < pos) {
        if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
            i += 2;
        else
            i += 1;
    }
    return i == pos;
}

std::size_t FindLastChar(std::string_view text, char c) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == c) found = i;
        bool lead = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        i += lead ? 2 : 1;
    }
    return found;
}

std::size_t FindFirstChar(std::string_view text, char c) {
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == c) return i;
        bool lead = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        i += lead ? 2 : 1;
    }
    return std::string_view::npos;
}

bool ContainsChar(std::string_view text, char c) {
    return FindFirstChar(text, c) != std::string_view::npos;
}

std::string FoldAsciiCase(std::string_view text) {
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size();) {
        unsigned char b = static_cast<unsigned char>(folded[i]);
        if (IsLeadByte(b) && i + 1 < folded.size()) {
            i += 2;
            continue;
        }
        if (b >= 'A' && b <= 'Z') folded[i] = static_cast<char>(b - 'A' + 'a');
        ++i;
    }
    return folded;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FoldAsciiCase(a) == FoldAsciiCase(b);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    // Cut only at a character boundary, or a lead byte could pair with the wrong trail.
    if (!IsCharBoundary(text, prefix.size())) return false;
    return FoldAsciiCase(text.substr(0, prefix.size())) == FoldAsciiCase(prefix);
}

std::string CutAtCharBoundary(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return std::string(text);
    std::size_t end = limit;
    while (end > 0 && !IsCharBoundary(text, end)) --end;
    return std::string(text.substr(0, end));
}
