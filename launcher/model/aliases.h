// aliases.h — the command aliases of "cmd.txt": a short word that stands for a program and
// its options.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct AliasTable {
    std::vector<std::pair<std::string, std::string>> pairs;  // alias, replacement
};

// Adds one pair per line "alias replacement..."; the first pair of an alias wins, a line
// without a space (or with nothing before it) is no alias.
void LoadAliases(AliasTable& table, std::string_view text);

// The replacement of `word` (exact, case-sensitive), or the word itself.
std::string ResolveAlias(const AliasTable& table, const std::string& word);
