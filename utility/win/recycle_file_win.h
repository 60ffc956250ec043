// recycle_file_win.h — deleting through the shell, so that what is deleted can be taken back, and
// never for good without the user's word: the files behind list-view rows, or any paths.
#pragma once
#include <string>
#include <vector>

// Each path to the recycle bin without a progress window; a folder pattern's "\*" is dropped
// first. Where the bin cannot take them, the user is asked once whether to delete them for good,
// and No deletes nothing. The status bar tells of that No and of a path that is still there.
// True when every path is gone.
bool RecycleFiles(const std::vector<std::string>& paths);

// Every row, or the selected ones, after the question; only rows that stand for an entry.
void DeleteRows(bool all, bool selected);
