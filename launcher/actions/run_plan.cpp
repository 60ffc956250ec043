#include "launcher/actions/run_plan.h"

#include <algorithm>

#include "launcher/actions/command_split.h"

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
