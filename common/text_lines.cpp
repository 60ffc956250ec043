#include "common/text_lines.h"

#include <algorithm>

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
        if (i > start) lines.emplace_back(text.substr(start, i - start));
        start = i + 1;
    }
    return lines;
}

std::vector<std::string> SplitAtNuls(std::string_view text) {
    std::vector<std::string> strings;
    for (std::size_t at = 0; at < text.size() && text[at] != '\0';) {
        std::size_t end = std::min(text.find('\0', at), text.size());
        strings.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return strings;
}
