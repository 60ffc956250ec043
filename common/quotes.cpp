#include "common/quotes.h"

std::string WithoutEnclosingQuotes(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

std::string QuoteIfSpaced(std::string_view text) {
    if (text.find(' ') == std::string_view::npos || (!text.empty() && text.front() == '"'))
        return std::string(text);
    return "\"" + std::string(text) + "\"";
}
