#include "launcher/actions/command_split.h"

#include "common/quotes.h"

CommandParts SplitCommand(std::string_view command) {
    std::size_t from = 0;
    if (!command.empty() && command.front() == '"') {
        std::size_t close = command.find('"', 1);
        // An unclosed quote runs to the end: the whole text is the program.
        from = close == std::string_view::npos ? command.size() : close + 1;
    }
    std::size_t space = command.find(' ', from);
    if (space == std::string_view::npos) return {std::string(command), {}};
    return {std::string(command.substr(0, space)), std::string(command.substr(space + 1))};
}

std::string JoinParameters(const std::string& noteArguments, const std::string& aliasArguments) {
    if (noteArguments.empty()) return aliasArguments;
    if (aliasArguments.empty()) return noteArguments;
    return noteArguments + " " + aliasArguments;
}

std::string HandOverArgument(std::string_view board, std::string_view dataFolder) {
    for (const char* order : {"end", "exec", "clipb"})
        if (board == order) return QuoteIfSpaced(std::string(dataFolder) + "\\" + order);
    return QuoteIfSpaced(board);
}

std::string SelfCommand(std::string_view exePath, std::string_view board,
                        std::string_view dataFolder) {
    return QuoteIfSpaced(exePath) + " " + HandOverArgument(board, dataFolder);
}
