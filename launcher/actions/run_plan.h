// run_plan.h — what running a command text comes to, decided before anything is started: the
// menu of its lines, an internal command, a board switch or a shell start.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "launcher/actions/aliases.h"
#include "launcher/actions/internal_commands.h"
#include "launcher/notes/note.h"

// Nothing: a blank command, which the shell would take for some folder of its own choosing.
enum class RunKind { Nothing, LineMenu, Internal, Board, Shell };

struct RunPlan {
    RunKind kind = RunKind::Shell;
    InternalCommand internal = InternalCommand::None;
    std::string board;       // the list entry a board switch starts the program with
    std::string program;     // quotes kept
    std::string parameters;  // the note's arguments, then the alias's
    std::string logLine;     // logged when the program started
};

// One line of the run log.
std::string RunLogEntry(std::string_view line);

// A text of several lines becomes a menu only for a note (an owner); internal commands and
// board names match the whole text exactly.
RunPlan PlanRun(std::string_view command, bool hasOwner,
                const std::vector<std::string>& folderBoards,
                const std::vector<std::string>& outsideBoards, const AliasTable& aliases);

// What a quick click on a note does, by its run type (the note file's number: 0 run the
// command, 1 copy it to the clipboard, 2 offer its lines to copy). A note without a command
// opens the Edit dialog; an unknown run type does nothing.
enum class NoteRun { Edit, Command, CopyCommand, CopyLine, Nothing };
NoteRun NoteRunOf(const std::string& command, int runType);
