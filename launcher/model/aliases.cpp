#include "launcher/model/aliases.h"

#include "common/text_lines.h"

void LoadAliases(AliasTable& table, std::string_view text) {
    for (const std::string& line : SplitLines(text)) {
        std::size_t space = line.find(' ');
        if (space == std::string::npos || space == 0) continue;
        std::string alias = line.substr(0, space);
        bool known = false;
        for (const auto& pair : table.pairs) known = known || pair.first == alias;
        if (!known) table.pairs.emplace_back(alias, line.substr(space + 1));
    }
}

std::string ResolveAlias(const AliasTable& table, const std::string& word) {
    for (const auto& [alias, replacement] : table.pairs)
        if (alias == word) return replacement;
    return word;
}
