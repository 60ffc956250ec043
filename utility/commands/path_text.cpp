#include "utility/commands/path_text.h"

#include "common/sjis.h"

std::string TrimPatternTail(std::string_view path) {
    std::string trimmed(path);
    if (trimmed.empty()) return trimmed;
    std::size_t last = trimmed.size() - 1;
    if (!IsCharBoundary(trimmed, last)) return trimmed;
    if (trimmed[last] == '*') {
        trimmed.resize(trimmed.size() >= 2 ? trimmed.size() - 2 : 0);
    } else if (trimmed[last] == '\\') {
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
