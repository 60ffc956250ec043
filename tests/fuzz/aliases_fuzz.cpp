// "cmd.txt" as Marnelo reads it: any bytes load and resolve, the first line of a word wins, and
// a word that no line can name stands for itself.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "common/text_lines.h"
#include "launcher/model/aliases.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(bytes), size);
    AliasTable table;
    LoadAliases(table, text);

    std::map<std::string, std::string> firstLines;
    for (const std::string& line : SplitLines(text)) {
        std::size_t space = line.find(' ');
        if (space == std::string::npos || space == 0) continue;
        firstLines.emplace(line.substr(0, space), line.substr(space + 1));
    }
    Require(table.pairs.size() == firstLines.size(), "one pair per word");
    for (const auto& [word, replacement] : firstLines)
        Require(ResolveAlias(table, word) == replacement, "the first line of a word wins");
    for (const std::string word : {"", " ", "a b", "\r"})
        Require(ResolveAlias(table, word) == word, "a word no line can name stands for itself");
    return 0;
}
