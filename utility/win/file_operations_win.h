// file_operations_win.h — deleting the files behind list-view rows through the shell's recycle
// bin, and the copy or move waiting between its two keys.
#pragma once

// Every row, or the selected ones, after the question; only rows that stand for an entry.
void DeleteRows(bool all, bool selected);

// Shift+Esc: no copy or move is waiting any more.
void ForgetPendingTransfer();
