#include "launcher/editor/mini_tool_rules.h"

#include "launcher/windows/attribute_rules.h"
#include "launcher/resources/texts.h"

const char* MainButtonLabel(int mode) {
    switch (mode) {
        case kToolPaste:
            return kPasteButtonLabel;
        case kToolRandom:
            // ランダムカラー　
            return kRandomButtonLabel;
    }
    return kCopyButtonLabel;
}

ToolView OpenedTool(int kind) {
    return {kToolPick, KindHasColours(kind), false};
}

ToolView KindChosen(const ToolView& view, int kind) {
    // Between colour kinds a paste goes on: a background picked may be pasted as a text colour.
    if (KindHasColours(kind) && view.mode == kToolPaste) return {kToolPaste, true, false};
    return OpenedTool(kind);
}

ToolView MainButtonPressed(const ToolView& view) {
    ToolView next = view;
    next.mode = view.mode == kToolPaste ? kToolPick : kToolPaste;
    next.randomChecked = false;
    return next;
}

ToolView RandomToggled(const ToolView& view, bool checked) {
    ToolView next = view;
    next.randomChecked = checked && view.randomEnabled;
    next.mode = next.randomChecked ? kToolRandom : kToolPick;
    return next;
}

ToolView Picked(const ToolView& view) {
    ToolView next = view;
    next.mode = kToolPaste;
    return next;
}

int KindListEntry(int kind) {
    return kind >= 0 && kind < kAttributeKindCount ? kind : -1;
}
