// run_plan.h — what running a command text comes to, decided before anything is started: the
// menu of its lines, an internal command, a board switch or a shell start.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "launcher/model/aliases.h"
#include "launcher/model/note.h"

// The program's own commands a note can hold instead of a program.

enum class InternalCommand { None, End, Tokei, Next, Prev, Repaint, Show, Menu, New, Load, Save };

// The whole text must be the keyword, exactly: "save " is no internal command.
InternalCommand MatchInternalCommand(std::string_view text);

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

// How a note's command falls apart into a program and its arguments, and
// the command line by which the program starts itself with a board.

struct CommandParts {
    std::string program;    // quotes kept, as the log shows it
    std::string arguments;  // everything after the separating space; empty without one
};

// Splits at the first space, except that spaces inside a leading quoted part do not count.
CommandParts SplitCommand(std::string_view command);

// The note's own arguments first, then those of its alias, one space between the two.
std::string JoinParameters(const std::string& noteArguments, const std::string& aliasArguments);

// The argument by which a second copy hands `board` (a name or a path) over, quoted when it
// holds a space. A name the hand-over reads as an order ("end", "exec", "clipb") goes as its
// path in the data folder, so the board is switched to and not obeyed.
std::string HandOverArgument(std::string_view board, std::string_view dataFolder);

// The program's own path and the hand-over argument of `board`, so a second copy receives
// both whole.
std::string SelfCommand(std::string_view exePath, std::string_view board,
                        std::string_view dataFolder);
