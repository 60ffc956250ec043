// mini_tool_rules.h — the modes of the attribute painter and how the mini tool's list, button
// and check box move between them.
#pragma once

enum ToolMode { kToolOff = 0, kToolPick = 1, kToolPaste = 2, kToolRandom = 3 };

// What the mini tool shows: the mode (button 1 reads its label) and the random check box.
struct ToolView {
    int mode = kToolPick;
    bool randomEnabled = true;
    bool randomChecked = false;
};

// Button 1's text in `mode`; the random mode's ends in an ideographic space.
const char* MainButtonLabel(int mode);

// The list entry the tool opens showing: the stored kind, or none (-1) for a kind the list does
// not hold (a hand-edited settings file).
int KindListEntry(int kind);

// A tool just opened on `kind`: picking, random colours offered only to the colour kinds.
ToolView OpenedTool(int kind);

// Another kind chosen in the list: back to picking, except that pasting goes on from one colour
// kind to another; random colours stay offered to the colour kinds but are switched off, so the
// check box never claims a mode the tool is not in.
ToolView KindChosen(const ToolView& view, int kind);

// Button 1 turns between picking and pasting; from random colours it goes to pasting.
ToolView MainButtonPressed(const ToolView& view);

ToolView RandomToggled(const ToolView& view, bool checked);

// A click on a note in pick mode: the next click pastes.
ToolView Picked(const ToolView& view);
