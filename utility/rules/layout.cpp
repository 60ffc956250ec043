#include "utility/rules/layout.h"

#include "common/int_values.h"

Placement ListViewPlacement(int clientWidth, int listHeight) {
    return {0, 0, clientWidth, listHeight};
}

// The board list width and the list height come from the settings unchecked: the figures are
// worked out wide and an absurd one is held at int's limit.
ChildLayout LayoutChildren(int w, int h, int v, int b) {
    const long long width = w, height = h, board = v, bottom = b;
    const int rest = HeldInInt(width - board);
    ChildLayout layout;
    layout.inputLine = {0, b, HeldInInt(width - 80), 20};
    layout.checkBox = {HeldInInt(width - 80), b, 80, 20};
    layout.noteCommandBox = {0, HeldInInt(bottom + 20), rest, 100};
    layout.noteTextBox = {0, HeldInInt(bottom + 120), rest, HeldInInt(height - bottom - 140)};
    layout.boardListBox = {rest, HeldInInt(bottom + 20), v, HeldInInt(height - bottom - 40)};
    layout.bookmarkListBox = {0, 0, 0, 0};
    return layout;
}
