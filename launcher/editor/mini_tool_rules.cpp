#include "launcher/editor/mini_tool_rules.h"

#include "launcher/windows/attribute_rules.h"

const char* MainButtonLabel(int mode) {
    switch (mode) {
        case kToolPaste:
            return "\x91\xae\x90\xab\x93\x5c\x82\xe8\x95\x74\x82\xaf";  // 属性貼り付け
        case kToolRandom:
            // ランダムカラー　
            return "\x83\x89\x83\x93\x83\x5f\x83\x80\x83\x4a\x83\x89\x81\x5b\x81\x40";
    }
    return "\x91\xae\x90\xab\x83\x52\x83\x73\x81\x5b";  // 属性コピー
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
