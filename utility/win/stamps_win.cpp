#include "utility/win/stamps_win.h"

#include "common/window_text_win.h"
#include "utility/model/stamp_list.h"
#include "utility/win/utility_app_win.h"

namespace {

void InsertAtCaret(HWND box, const std::string& stamp) {
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    InsertedText result =
        InsertText(WindowText(box), static_cast<int>(start), static_cast<int>(end), stamp);
    SetWindowTextA(box, result.text.c_str());
    SendMessageA(box, EM_SETSEL, static_cast<WPARAM>(result.caret), result.caret);
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

// The menu opens at the key message's point in the box, the newest stamp at the top.
void OfferStamps(HWND box, LPARAM position) {
    HMENU menu = CreatePopupMenu();
    std::vector<StampMenuItem> items = StampMenuItems(quorvel.stamps);
    for (auto item = items.rbegin(); item != items.rend(); ++item)
        InsertMenuA(menu, 0, MF_BYPOSITION | MF_STRING, item->id, item->text.c_str());
    POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ClientToScreen(box, &at);
    unsigned chosen = static_cast<unsigned>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_BOTTOMALIGN,
                                                           at.x, at.y, 0, ui.mainWindow, nullptr));
    DestroyMenu(menu);
    if (std::optional<std::string> stamp = StampOfMenuId(quorvel.stamps, chosen))
        InsertAtCaret(box, *stamp);
}

}  // namespace

void ToggleStamp(HWND box, LPARAM position) {
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::string selected =
        SelectedInputText(WindowText(box), static_cast<int>(start), static_cast<int>(end));
    SendMessageA(box, EM_SETSEL, start, start);
    if (ToggleStampText(quorvel.stamps, selected) == StampToggle::ShowMenu)
        OfferStamps(box, position);
}
