#include "utility/commands/path_text.h"

#include "common/sjis.h"

std::string TrimPatternTail(std::string_view path) {
    std::string trimmed(path);
    std::size_t size = trimmed.size();
    // Only a whole "\*" is a folder's pattern tail: in C:\data\ab* the "*" belongs to a name,
    // and before a lone "*" may stand the lead byte of a character.
    if (size >= 2 && trimmed[size - 1] == '*' && trimmed[size - 2] == '\\' &&
        IsCharBoundary(trimmed, size - 2)) {
        trimmed.resize(size - 2);
    } else if (size >= 1 && trimmed[size - 1] == '\\' && IsCharBoundary(trimmed, size - 1)) {
        trimmed.pop_back();
    }
    return trimmed;
}

std::string QuoteIfSpaced(std::string_view text) {
    if (text.find(' ') == std::string_view::npos) return std::string(text);
    return "\"" + std::string(text) + "\"";
}

bool IsDriveOrEmpty(std::string_view path) {
    std::string trimmed = TrimPatternTail(path);
    if (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
    return trimmed.empty() || (trimmed.size() == 2 && trimmed[1] == ':');
}

std::string WithoutEnclosingQuotes(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}
