// list_display_win.h — what the window shows of the lists, and the listing as the window runs it.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

// Lists `folder`, or the input line's text when there is none; titles, the note text box and
// the input line follow the walk. Returns the entry count.
int ListFolderShown(const std::optional<std::string>& folder, bool recurse);

void ReadInputText();
// The board list box, the bookmark list box and the list view, filtered by the input line.
void RefreshLists();
// The list view: the listed entries whose name matches, then the matching note strings.
void ShowNoteIndex();
// The list view's rows are virtual: it asks for the texts of each row it draws or is asked
// for.
void FillRowText(NMLVDISPINFOA& info);
void FillBoardListBox(const std::vector<std::string>& texts);
void FillBookmarkListBox();
// The status bar's second part: the pending transfer, the mode, or what a file operation
// could not do; an empty text clears it.
void ShowStatusText(const std::string& text);
// The drive roots as folder entries, for a start without a folder.
void ListDrives();
// The current listing again; without a folder the drive list stands for it.
void RelistNowDir();
