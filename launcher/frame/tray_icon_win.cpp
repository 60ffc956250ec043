#include "launcher/frame/tray_icon_win.h"

#include <shellapi.h>

#include "launcher/frame/app_state_win.h"
#include "launcher/frame/messages.h"

namespace {

NOTIFYICONDATAA TrayData(HWND mainWindow) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = mainWindow;
    data.uID = TRAY_ICON_ID;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = MSG_TRAY;
    data.hIcon = LoadIconA(ui.instance, MAKEINTRESOURCEA(IDI_MARNELO));
    lstrcpynA(data.szTip, "marn", sizeof data.szTip);
    return data;
}

}  // namespace

bool AddTrayIcon(HWND mainWindow, int attempts) {
    NOTIFYICONDATAA data = TrayData(mainWindow);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0) Sleep(300);
        if (Shell_NotifyIconA(NIM_ADD, &data)) return true;
    }
    return false;
}

void RemoveTrayIcon(HWND mainWindow) {
    NOTIFYICONDATAA data = TrayData(mainWindow);
    Shell_NotifyIconA(NIM_DELETE, &data);
}
