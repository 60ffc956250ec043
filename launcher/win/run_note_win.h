// run_note_win.h — running what a note holds: internal commands, boards, programs and documents
// through the shell, the menu of a text's lines, and the daily run log.
#pragma once
#include <windows.h>

#include <string>

#include "launcher/model/note.h"

// Reads "cmd.txt" into the alias table (a missing file leaves it empty); frees it again.
void LoadAliasFile(const std::string& path);
void FreeAliases();

// A quick click on a note: by its run type the command runs, or goes to the clipboard.
void RunNote(HWND window, const Note& note);

// True when `command` is one of the program's own commands; it has then been carried out for
// `owner` (a note window, or nullptr).
bool OfferInternalCommand(HWND owner, const std::string& command);

// Runs `command` for `owner` (a note window, or nullptr): a menu of its lines, an internal
// command, a board switch or a start through the shell, which is logged.
void RunCommand(HWND owner, const std::string& command);

// A menu of the lines of `text`; the chosen line runs, or in copy mode goes to the clipboard.
void ShowLineMenu(HWND window, const std::string& text, bool copyMode);

// Starts a second copy of the program with `board`, which hands it over to this copy.
void SwitchThroughSecondCopy(const std::string& board);

// Starts `file` with `parameters` through the shell; false when it did not start. No error box
// is ever shown: a start that fails is tried another way, or left.
bool ShellStarted(const std::string& file, const std::string& parameters);
