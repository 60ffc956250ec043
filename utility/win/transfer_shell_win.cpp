#include "utility/win/transfer_shell_win.h"

#include "common/clipboard_win.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstring>

#include "common/screens_win.h"
#include "utility/win/list_controls_win.h"
#include "utility/win/list_display_win.h"
#include "utility/win/utility_app_win.h"

int ShellTransferHost::PathKind(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 2;
}

bool ShellTransferHost::Ask(const char* text, const char* caption) {
    return MessageBoxOnScreen(ui.mainWindow, text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

YesNoCancel ShellTransferHost::AskYesNoCancel(const std::string& text, const char* caption) {
    int answer =
        MessageBoxOnScreen(ui.mainWindow, text.c_str(), caption, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES) return YesNoCancel::Yes;
    return answer == IDNO ? YesNoCancel::No : YesNoCancel::Cancel;
}

void ShellTransferHost::Tell(const std::string& text, const char* caption) {
    MessageBoxOnScreen(ui.mainWindow, text.c_str(), caption, MB_OK | MB_ICONWARNING);
}

bool ShellTransferHost::RunShellOperation(PendingKind kind, const std::string& source,
                                          const std::string& destination, bool confirmed) {
    // The shell reads both as lists ended by an empty string.
    std::string from = source + std::string(2, '\0');
    std::string to = destination + std::string(2, '\0');
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = ui.mainWindow;
    operation.wFunc = kind == PendingKind::Move ? FO_MOVE : FO_COPY;
    operation.pFrom = from.c_str();
    operation.pTo = to.c_str();
    // Without Quorvel's own answer the shell asks as it would, so that nothing is replaced
    // unasked.
    if (confirmed) operation.fFlags = FOF_NOCONFIRMATION;
    return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

void ShellTransferHost::SetClipboardText(const std::string& text) {
    PutTextOnClipboard(ui.mainWindow, text);
}

void ShellTransferHost::ShowStatusText(const std::string& text) {
    ::ShowStatusText(text);
}

void ShellTransferHost::SetInputAndNowDir(const std::string& folder) {
    SetWindowTextA(ui.inputLine, folder.c_str());
    quorvel.listing.nowDir = folder;
}

void ShellTransferHost::ListInputFolder(const std::string& folder) {
    SetWindowTextA(ui.inputLine, folder.c_str());
    ListFolderShown(std::nullopt, false);
    ShowNoteIndex();
}

void ShellTransferHost::RecordRecentLine(const std::string& line) {
    AddRecentLine(quorvel.recent, line);
}

void ShellTransferHost::RelistAndFocus() {
    ListFolderShown(quorvel.listing.nowDir, false);
    RefreshAndFocusList();
}
