#include "launcher/rules/gestures.h"

Release ClassifyRelease(unsigned elapsedMs, int clickTimeMs, bool pointerStayed) {
    if (static_cast<long long>(elapsedMs) < clickTimeMs) return Release::Click;
    return pointerStayed ? Release::LongPress : Release::Drag;
}

HoverPlan PlanHover(int expanded, int hovered, bool hoveredIsMini, bool ctrlHeld) {
    HoverPlan plan;
    if (expanded >= 0) {
        if (expanded == hovered && !ctrlHeld) return plan;
        plan.collapse = true;
    }
    plan.onNote = !ctrlHeld && hovered >= 0;
    plan.expand = plan.onNote && hoveredIsMini;
    return plan;
}

bool PointerKeepsNoteExpanded(int pointerX, int pointerY, int left, int top, int boxWidth,
                              int boxHeight) {
    // Wide sums: the box comes from the settings, which may hold any int.
    return left < pointerX && pointerX < static_cast<long long>(left) + boxWidth &&
           top < pointerY && pointerY < static_cast<long long>(top) + boxHeight;
}
