#include "utility/rules/input_keys.h"

namespace {

KeyDecision Pass(const KeyInput& input, KeyAction action = KeyAction::None) {
    return {action, Disposition::PassOn, -1, input.code};
}

KeyDecision Consume(const KeyInput& input, KeyAction action, std::intptr_t result = -1) {
    return {action, Disposition::Consumed, result, input.code};
}

KeyDecision InputLineKeyDown(const KeyInput& input, const InputLineState& state) {
    // Passed on, F10 would put the window into its menu mode, which takes the next keys.
    if (input.code == Vk::F10) return Consume(input, KeyAction::CycleMode, 0);
    if (input.code != Vk::Escape) return Pass(input);
    if (input.shift) return Consume(input, KeyAction::ForgetTransfer);
    if (!state.inputEmpty) return Pass(input, KeyAction::ClearInputLine);
    if (state.parentLevel != 0) return Pass(input, KeyAction::ResetParentLevel);
    return Pass(input, KeyAction::ShowDrives);
}

KeyDecision InputLineKeyUp(const KeyInput& input) {
    if (input.code == Vk::Down) return Pass(input, KeyAction::FocusBoardList);
    if (input.code == Vk::Up) return Pass(input, KeyAction::FocusFirstRow);
    return Pass(input, KeyAction::RefreshLists);
}

KeyDecision InputLineChar(const KeyInput& input) {
    switch (input.code) {
        case 27:  // no beep
            return Consume(input, KeyAction::None);
        case 13:  // the line never gets a line break
            return Consume(input, KeyAction::EnterText);
        case 9:
        case 10:
        case 16:
            // Tab, Ctrl+J and Ctrl+P reach the sequence only with Ctrl held.
            return input.ctrl ? Pass(input) : Consume(input, KeyAction::None);
    }
    return Pass(input);
}

KeyDecision AltArrow(const KeyInput& input, KeyAction action, bool listEmpty) {
    return listEmpty ? Consume(input, KeyAction::None) : Pass(input, action);
}

KeyDecision ControlKeyDown(const KeyInput& input, const ControlKeyState& state) {
    switch (input.code) {
        case Vk::Control:
            // Only a new press starts a new sequence; the held key repeats.
            return Pass(input, input.repeat ? KeyAction::None : KeyAction::EmptyKeySequence);
        case Vk::F12:
            return Pass(input, KeyAction::RaiseParentLevel);
        case Vk::Tab:
            return {KeyAction::PickItem, Disposition::ConsumedIfPicked, -1, input.code};
    }
    if (input.ctrl) {
        switch (input.code) {
            case 'U':
                return Pass(input, KeyAction::ToggleDateFilter);
            case 'S':
                return Pass(input, KeyAction::SaveState);
            case 'O':
                return Pass(input, KeyAction::ReloadLists);
            case 'W':
                return Pass(input, KeyAction::Quit);
            case 'T':
                return Pass(input, KeyAction::ToggleStamp);
        }
    }
    if (input.alt) {
        switch (input.code) {
            case Vk::Right:
                return AltArrow(input, KeyAction::RecentForward, state.recentEmpty);
            case Vk::Left:
                return AltArrow(input, KeyAction::RecentBack, state.recentEmpty);
            case Vk::Up:
                return AltArrow(input, KeyAction::BookmarkUp, state.bookmarkBoxEmpty);
            case Vk::Down:
                return AltArrow(input, KeyAction::BookmarkDown, state.bookmarkBoxEmpty);
        }
    }
    return Pass(input);
}

KeyDecision ControlKeyUp(const KeyInput& input, const ControlKeyState& state) {
    if (input.code == Vk::Tab && input.alt) return Consume(input, KeyAction::None, 1);
    return Pass(input, state.bookmarkWalk ? KeyAction::EndBookmarkWalk : KeyAction::None);
}

KeyDecision ControlChar(const KeyInput& input) {
    if (input.code == ' ') {
        return input.ctrl ? Consume(input, KeyAction::DeleteAllRows) : Pass(input);
    }
    // Shift and a digit on a Japanese keyboard give "!" to ")"; the digit is what is meant.
    if (input.code >= 33 && input.code <= 42) {
        KeyDecision decision = Pass(input);
        decision.code = input.code + 16;
        return decision;
    }
    if (input.code < 29 && input.ctrl) {
        // Copy and paste stay the control's own.
        if (input.code == 3 || input.code == 22) return Pass(input, KeyAction::RunKeySequence);
        return Consume(input, KeyAction::RunKeySequence);
    }
    return Pass(input);
}

}  // namespace

KeyDecision InputLineKey(const KeyInput& input, const InputLineState& state) {
    switch (input.kind) {
        case KeyKind::KeyDown:
            return InputLineKeyDown(input, state);
        case KeyKind::KeyUp:
            return InputLineKeyUp(input);
        case KeyKind::Char:
            return InputLineChar(input);
        default:
            return Pass(input);
    }
}

KeyDecision ControlKey(const KeyInput& input, const ControlKeyState& state) {
    switch (input.kind) {
        case KeyKind::KeyDown:
            return ControlKeyDown(input, state);
        case KeyKind::KeyUp:
            return ControlKeyUp(input, state);
        case KeyKind::Char:
            return ControlChar(input);
        case KeyKind::DropFiles:
            return Pass(input, KeyAction::HandleDrop);
        case KeyKind::DeleteAllItems:
            // The list display empties the list view row by row instead.
            return Consume(input, KeyAction::None, 0);
        default:
            return Pass(input);
    }
}
