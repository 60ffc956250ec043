// list_keys.h — what the keys of the board list box and the list view decide: which item a
// digit picks, where Down and Up wrap, Backspace's parent folder, the F6 to F9 commands and the
// refusal to open a past board.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "utility/model/note_index.h"
#include "utility/resources/texts.h"

enum class ListKey {
    None,
    // the board list box's
    OpenBoard,        // Enter: the item in Marnelo, or kPastBoardText for a past board
    ArrowDown,        // StepWithWrap; consumed when it wraps
    ArrowUp,          //
    FocusInput,       // Esc, and every other key after taking the item
    DeleteBoard,      // Delete: asked with the item as caption
    RunCommand,       // F6 to F9: `command` 0 to 3
    CycleMode,        // F10
    ListItem,         // F11: the item listed as a folder
    TakeItem,         // any other key without Ctrl or Shift: the item into the input line
    Transfer,         // Ctrl+C / Ctrl+X: StartTransfer with the character
    Paste,            // Ctrl+V: Paste, then the character to the input line
    SendToInputLine,  // a typed character goes to the input line (a digit chose an item instead)
    // the list view's
    OpenRowBoard,      // Enter: the row's board in Marnelo
    DeleteRows,        // Delete: the selected rows to the recycle bin
    SelectFocusedRow,  // Ctrl+Space
    AddBookmark,       // F11
    ParentOfInput,     // Backspace, after the focus went to the input line
    CopyNoteString,    // Ctrl+C / Ctrl+X: the row's note string, never a file
    CopyEntryPath,     // Ctrl+P: the row's entry path; its last component with Shift
};

enum class ListKeyPass {
    ControlKeys,           // on to the shared keys with the control's own procedure
    InputLineControlKeys,  // F1: on to the shared keys with the input line's procedure
    StandardOnly,          // Down and Up: the control's own behaviour unless it wrapped
    Consumed,
};

struct ListKeyDecision {
    ListKey action = ListKey::None;
    ListKeyPass pass = ListKeyPass::ControlKeys;
    int command = -1;         // 0 to 3 for F6 to F9
    bool focusInput = false;  // the focus goes to the input line after the action
};

// Key downs (virtual-key codes) and characters of the board list box and the list view.
ListKeyDecision BoardListKeyDown(unsigned key, bool ctrl, bool shift);
ListKeyDecision BoardListChar(unsigned character, bool ctrl);
ListKeyDecision ListViewKeyDown(unsigned key, bool ctrl);
ListKeyDecision ListViewChar(unsigned character, bool ctrl);

// The digit keys 1 to 9 give 0 to 8, the digit 0 (and 47, below it) gives 9.
int DigitToRow(unsigned key);

// The list box item a key reads: in the board list box the keys 47 to 57 pick one of the first
// ten items, any other key (and any other list box) the selection. Nothing past the items.
std::optional<int> ListBoxItemIndex(unsigned key, bool boardList, int selection, int count);

enum class WrapKind {
    Empty,     // no items: the focus goes to the input line
    Wrap,      // from the last item to the first, or the first to the last; consumed
    Standard,  // the control moves by itself to `index`
};

struct WrapStep {
    WrapKind kind = WrapKind::Empty;
    int index = -1;
};

// Down (or Up) on item `current` of `count`.
WrapStep StepWithWrap(int count, int current, bool down);

enum class ParentKind { Nothing, SetInput, ListDrives };

struct ParentStep {
    ParentKind kind = ParentKind::Nothing;
    std::string text;  // the input line's new text for SetInput
};

// Backspace in the list view: the input line's folder goes up one level (C:\a\b\* and C:\a\b
// give C:\a, C:\a gives C:), a bare drive shows the drive list. With the caret not at the start
// only an empty line changes: it takes NowDir.
ParentStep ParentOfInput(std::string_view text, int selectionEnd, std::string_view nowDir);

enum class CommandKind { Nothing, NotRegistered, Run };

struct CommandPlan {
    CommandKind kind = CommandKind::Nothing;
    std::string parameters;  // the path without its pattern tail, quoted when spaced
};

// F6 to F9 on a board list box item: nothing without an item, then the empty command is told.
CommandPlan PlanCommandWithText(std::string_view command, const std::optional<std::string>& text);
// F6 to F9 on a list-view row: the empty command is told first, then nothing without a path.
CommandPlan PlanCommandOnRow(std::string_view command, const std::optional<std::string>& path);

// Ctrl+P: the entry path without its pattern tail; only its last component with Shift.
std::string ClipboardPath(std::string_view path, bool lastComponent);

// Enter on a board list box item: a board of the old-boards folder is only shown, not opened.
bool IsPastBoard(const BoardList& boards, std::string_view name);

// A key pressed in a note box starts lines: those of the selection (a final line break left
// out), or with nothing selected the line the caret stands in. Empty lines start nothing.
std::vector<std::string> LinesToOpen(std::string_view text, int selectionStart, int selectionEnd);
