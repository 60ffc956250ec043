#include "utility/frame/layout.h"

Placement ListViewPlacement(int clientWidth, int listHeight) {
    return {0, 0, clientWidth, listHeight};
}

ChildLayout LayoutChildren(int w, int h, int v, int b) {
    ChildLayout layout;
    layout.inputLine = {0, b, w - 80, 20};
    layout.checkBox = {w - 80, b, 80, 20};
    layout.noteCommandBox = {0, b + 20, w - v, 100};
    layout.noteTextBox = {0, b + 120, w - v, h - b - 140};
    layout.boardListBox = {w - v, b + 20, v, h - b - 40};
    layout.bookmarkListBox = {0, 0, 0, 0};
    return layout;
}
