// layout.h — where the children of the main window go for a client size: the list view on
// top, the input line and the check box under it, the note boxes left, the board list right.
#pragma once

struct Placement {
    int x = 0, y = 0, width = 0, height = 0;
};

struct ChildLayout {
    Placement inputLine, checkBox, noteCommandBox, noteTextBox, boardListBox, bookmarkListBox;
};

// The list view spans the width at the height of the sizeHeight setting.
Placement ListViewPlacement(int clientWidth, int listHeight);

// `listBottom` is the bottom of the list view's own client area once it is placed; the
// status bar takes the 20 pixels left at the bottom. Small windows give zero or negative
// sizes, passed on as they are.
ChildLayout LayoutChildren(int clientWidth, int clientHeight, int boardWidth, int listBottom);
