#include "utility/commands/list_commands.h"

#include <commctrl.h>

#include "utility/commands/list_keys.h"
#include "utility/frame/input_line.h"
#include "utility/frame/list_display.h"
#include "utility/frame/list_rows.h"
#include "utility/frame/utility_app.h"

// The controls' own keys (opening boards, the F-key commands, the transfers) come with the
// list commands; until then every message goes to the shared keys.
LRESULT CALLBACK ListBoxKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleControlKey(window, message, wParam, lParam, utility.previousBoardList);
}

LRESULT CALLBACK ListViewKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleControlKey(window, message, wParam, lParam, utility.previousListView);
}

LRESULT CALLBACK NoteBoxKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous =
        window == utility.noteCommandBox ? utility.previousCommandBox : utility.previousTextBox;
    return HandleControlKey(window, message, wParam, lParam, previous);
}

std::optional<std::string> ReadListBoxItem(HWND listBox, unsigned key) {
    bool boardList = listBox == utility.boardListBox;
    std::optional<int> found = ListBoxItemIndex(
        key, boardList, static_cast<int>(SendMessageA(listBox, LB_GETCURSEL, 0, 0)),
        static_cast<int>(SendMessageA(listBox, LB_GETCOUNT, 0, 0)));
    if (!found) return std::nullopt;
    WPARAM index = static_cast<WPARAM>(*found);
    LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, index, 0);
    if (length < 0) return std::nullopt;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT copied =
        SendMessageA(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    if (!boardList) return text;
    return WithoutDigitPrefix(text, static_cast<int>(index), utility.boardListNumbered);
}

namespace {

void FocusRowZero() {
    LVITEMA state{};
    state.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    state.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageA(utility.listView, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
}

}  // namespace

void FirstRowFocus() {
    if (SendMessageA(utility.listView, LVM_GETITEMCOUNT, 0, 0) <= 0) RefreshLists();
    if (SendMessageA(utility.listView, LVM_GETITEMCOUNT, 0, 0) <= 0) return;
    SetFocus(utility.listView);
    FocusRowZero();
    ShowNotePair(0);
}

void RefreshAndFocusList() {
    RefreshLists();
    SetFocus(utility.listView);
    FocusRowZero();
}

// The note boxes show a row's note once the list commands read the pairs.
void ShowNotePair(int) {}
