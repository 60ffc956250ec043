// list_display.h — what the window shows of the lists, and the listing as the window runs it.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

// Lists `folder`, or the input line's text when there is none; titles, the note text box and
// the input line follow the walk. Returns the entry count.
int ListFolderShown(const std::optional<std::string>& folder, bool recurse);

void ReadInputText();
void RefreshLists();
void ShowNoteIndex();
void FillBookmarkListBox();
void RefreshAndFocusList();
// The drive roots as folder entries, for a start without a folder.
void ListDrives();
// The selected item of a list box, or nothing.
std::optional<std::string> ReadListBoxItem(HWND listBox);
// Starts `target` through the shell, logs it and, after a success, saves and ends Quorvel.
long long ShellOpen(const std::string& target, const std::string& parameters = "");
// (NowDir, the input line) into the day's history.
void RecordRecent();
