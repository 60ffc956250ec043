// input_keys.h — which key, character or message of the input line and of every other
// subclassed control does what, and whether the control still gets it. The window procedures
// translate a message into a KeyInput, carry out the returned action and pass on or answer.
#pragma once
#include <cstdint>

#include "common/virtual_keys.h"

enum class KeyKind { KeyDown, KeyUp, Char, DropFiles, DeleteAllItems, Other };

struct KeyInput {
    KeyKind kind = KeyKind::Other;
    unsigned code = 0;    // virtual key for key messages, character code for characters
    bool repeat = false;  // a key down the keyboard repeats while the key is held
    bool ctrl = false, shift = false, alt = false;
};

enum class KeyAction {
    None,
    // the input line's own
    ForgetTransfer,    // Shift+Esc: pending transfer and mode state back to nothing
    ClearInputLine,    // Esc on a text: parent level 0, the line emptied
    ResetParentLevel,  // Esc on an empty line with a raised level
    ShowDrives,        // Esc on an empty line at level 0: no folder, the drive list
    FocusBoardList,    // release of Down
    FocusFirstRow,     // release of Up
    RefreshLists,      // every other release
    EnterText,         // Enter: a folder is listed; the note index is loaded when empty
    CycleMode,         // F10: the next mode, as in the lists
    // every control's
    EmptyKeySequence,
    RaiseParentLevel,
    ToggleDateFilter,
    SaveState,
    ReloadLists,
    Quit,
    PickItem,
    ToggleStamp,
    RecentForward,
    RecentBack,
    BookmarkUp,
    BookmarkDown,
    EndBookmarkWalk,
    DeleteAllRows,
    RunKeySequence,
    HandleDrop,
};

enum class Disposition {
    PassOn,           // to the next handler with `code` (a character may have been remapped)
    Consumed,         // answered with `result`
    ConsumedIfPicked  // consumed only when the pick took an item
};

struct KeyDecision {
    KeyAction action = KeyAction::None;
    Disposition disposition = Disposition::PassOn;
    std::intptr_t result = -1;
    unsigned code = 0;
};

struct InputLineState {
    bool inputEmpty = true;
    int parentLevel = 0;
};

struct ControlKeyState {
    bool recentEmpty = true;
    bool bookmarkBoxEmpty = true;
    bool bookmarkWalk = false;  // bookmarkCursor is 0 or more
};

// The input line's table; whatever it passes on goes through ControlKey next.
KeyDecision InputLineKey(const KeyInput& input, const InputLineState& state);

// The keys every subclassed control shares.
KeyDecision ControlKey(const KeyInput& input, const ControlKeyState& state);
