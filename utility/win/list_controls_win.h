// list_controls_win.h — the board list box, the list view and the note boxes: their procedures,
// which end in the shared keys, and reading and focusing their items.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

LRESULT CALLBACK ListBoxKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListViewKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK NoteBoxKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The selected item of a list box, or nothing. In the board list box a digit key picks one of
// the first ten items instead; a numbered item is read without its "d.".
std::optional<std::string> ReadListBoxItem(HWND listBox, unsigned key = 0);

// Row 0 of the list view focused and selected; the lists are filled first when it is empty.
void FirstRowFocus();
void RefreshAndFocusList();
// F10: the next mode's title and status text; the lists follow where the mode changes them.
void CycleModeShown();
// The note of a list-view row in the two note boxes.
void ShowNotePair(int row);
