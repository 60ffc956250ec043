// command_split.h — how a note's command falls apart into a program and its arguments, and
// the command line by which the program starts itself with a board.
#pragma once
#include <string>
#include <string_view>

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
