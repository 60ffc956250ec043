// command_line.h — the text a program was started with, after its own name.
#pragma once
#include <string>
#include <string_view>

// The full command line without the program name (quoted or not) and the blanks after it;
// the rest stays as it is, quotes included. The C runtime's own tail takes every byte from
// 0x80 up for a blank and so loses a leading double-byte character.
std::string CommandTail(std::string_view commandLine);
