#include "launcher/rules/run_plan.h"

#include <algorithm>

#include "common/quotes.h"

InternalCommand MatchInternalCommand(std::string_view text) {
    struct Keyword {
        const char* text;
        InternalCommand command;
    };
    static const Keyword keywords[] = {
        {"end", InternalCommand::End},         {"tokei", InternalCommand::Tokei},
        {"next", InternalCommand::Next},       {"prev", InternalCommand::Prev},
        {"repaint", InternalCommand::Repaint}, {"show", InternalCommand::Show},
        {"menu", InternalCommand::Menu},       {"new", InternalCommand::New},
        {"load", InternalCommand::Load},       {"save", InternalCommand::Save},
    };
    for (const Keyword& keyword : keywords)
        if (text == keyword.text) return keyword.command;
    return InternalCommand::None;
}

namespace {

bool Lists(const std::vector<std::string>& list, std::string_view entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

}  // namespace

RunPlan PlanRun(std::string_view command, bool hasOwner,
                const std::vector<std::string>& folderBoards,
                const std::vector<std::string>& outsideBoards, const AliasTable& aliases) {
    RunPlan plan;
    if (command.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        plan.kind = RunKind::Nothing;
        return plan;
    }
    if (hasOwner && command.find_first_of("\r\n") != std::string_view::npos) {
        plan.kind = RunKind::LineMenu;
        return plan;
    }
    plan.internal = MatchInternalCommand(command);
    if (plan.internal != InternalCommand::None) {
        plan.kind = RunKind::Internal;
        return plan;
    }
    if (!command.empty() && (Lists(folderBoards, command) || Lists(outsideBoards, command))) {
        plan.kind = RunKind::Board;
        plan.board = std::string(command);
        return plan;
    }
    CommandParts note = SplitCommand(command);
    CommandParts alias = SplitCommand(ResolveAlias(aliases, note.program));
    plan.program = alias.program;
    plan.parameters = JoinParameters(note.arguments, alias.arguments);
    plan.logLine = plan.parameters.empty() ? plan.program : plan.program + " " + plan.parameters;
    return plan;
}

NoteRun NoteRunOf(const std::string& command, int runType) {
    if (command.empty()) return NoteRun::Edit;
    switch (runType) {
        case kRunTypeCommand:
            return NoteRun::Command;
        case kRunTypeCopy:
            return NoteRun::CopyCommand;
        case kRunTypeCopyLine:
            return NoteRun::CopyLine;
        default:
            return NoteRun::Nothing;
    }
}

std::string RunLogEntry(std::string_view line) {
    std::string entry(line);
    entry += '\n';
    return entry;
}

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
