#include "launcher/win/popup_menu_win.h"

#include <string>

void InsertAtTop(HMENU menu, const MenuEntry& entry, HMENU submenu) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_TYPE | MIIM_ID | (submenu ? MIIM_SUBMENU : 0);
    item.fType = MFT_STRING;
    item.wID = entry.command;
    item.hSubMenu = submenu;
    std::string text = MenuItemText(entry.text);
    item.dwTypeData = text.data();
    InsertMenuItemA(menu, 0, TRUE, &item);
}

unsigned TrackAtPointer(HMENU menu, HWND owner) {
    SetForegroundWindow(owner);
    SetFocus(owner);
    POINT pointer{};
    GetCursorPos(&pointer);
    auto command = static_cast<unsigned>(
        TrackPopupMenu(menu, TPM_BOTTOMALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, pointer.x,
                       pointer.y, 0, owner, nullptr));
    // Without a message after it, a menu opened from the tray may not close on the next click.
    PostMessageA(owner, WM_NULL, 0, 0);
    return command;
}
