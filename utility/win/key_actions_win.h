// key_actions_win.h — what the keys of the input line and the shared keys set going: picking the
// board list's first item, acting on a list-view row, the Ctrl letter sequences, drops, the
// date filter, the history and bookmark walks, and every start through the shell.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

// Starts `target` through the shell, logs it and, after a success, saves and ends Quorvel.
long long ShellOpen(const std::string& target, const std::string& parameters = "");

// An existing folder is listed (the text goes into the input line), anything else started.
void ListOrStart(const std::string& text);

// (NowDir, the input line) into the day's history.
void RecordRecent();
// Empties the key sequence, the board and note lists, and reads the day's history again.
void ReloadLists();

// Tab: the board list box's first item is listed (a folder) or started. True when there was one.
bool PickItem();
// A double-click on a row; rows below 0 and note rows do nothing.
void ActivateRow(int row);
void RunKeySequence(int controlCharacter);
void HandleDrop(HDROP drop);

// Enter in the input line: a folder is listed; the notes are read when none are held.
void EnterInputText();
// Esc on an empty line: no current folder, the drive list.
void ShowDrivesHome();
void ToggleDateFilterShown(bool shift, bool alt);
void StepRecentShown(bool forward);
void StepBookmarkShown(bool up);
// The release after a bookmark walk: the item is listed or started.
void EndBookmarkWalk();
