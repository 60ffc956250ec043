// gestures.h — what a mouse action on a note means: the kind of a release and the hover steps
// of mini notes.
#pragma once

enum class Release {
    Click,      // shorter than the click time: the note runs, wherever the pointer went
    LongPress,  // held at least the click time without moving: the note is edited
    Drag,       // held and moved: the move loop has done all there is to do
};

Release ClassifyRelease(unsigned elapsedMs, int clickTimeMs, bool pointerStayed);

// What the pointer coming over a window does to the mini notes.
struct HoverPlan {
    bool collapse = false;  // the expanded note goes back to its mini size
    bool onNote = false;    // the pointer came onto a note anew: a mini note expands, and a note
                            // that raises on hover brings all notes to the front
    bool expand = false;    // the hovered note is shown at full size
};

// `hovered` is the note under the pointer (-1 none), `expanded` the note shown at full size
// (-1 none). Ctrl collapses the expanded note even under the pointer and expands nothing.
HoverPlan PlanHover(int expanded, int hovered, bool hoveredIsMini, bool ctrlHeld);

// A forgotten expanded mini note stays open only while the pointer is strictly inside the
// box of the settings' mini size at its window's top-left corner.
bool PointerKeepsNoteExpanded(int pointerX, int pointerY, int left, int top, int boxWidth,
                              int boxHeight);
