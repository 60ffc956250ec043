#include "common/text_lines.h"

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
