// internal_commands.h — the program's own commands a note can hold instead of a program.
#pragma once
#include <string_view>

enum class InternalCommand { None, End, Tokei, Next, Prev, Repaint, Show, Menu, New, Load, Save };

// The whole text must be the keyword, exactly: "save " is no internal command.
InternalCommand MatchInternalCommand(std::string_view text);
