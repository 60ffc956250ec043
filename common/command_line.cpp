#include "common/command_line.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string CommandTail(std::string_view commandLine) {
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        std::size_t close = commandLine.find('"', 1);
        at = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else {
        while (at < commandLine.size() && !IsBlank(commandLine[at])) ++at;
    }
    while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;
    return std::string(commandLine.substr(at));
}
