// run_note.h — running what a note holds: internal commands, programs and documents through
// the shell, and the menu of a text's lines.
#pragma once
#include <windows.h>

#include <string>

// True when `command` is one of the program's own commands; it has then been carried out.
bool OfferInternalCommand(const std::string& command);

// Starts `command` for the note `window`.
void RunCommandFor(HWND window, const std::string& command);

// A menu of the lines of `text`; the chosen line runs, or in copy mode goes to the clipboard.
void ShowLineMenu(HWND window, const std::string& text, bool copyMode);
