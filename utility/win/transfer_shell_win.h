// transfer_shell_win.h — the shell's side of a copy or move: its questions, the file operation,
// the clipboard and the status bar, for the decisions of the pending transfer.
#pragma once
#include <string>

#include "utility/rules/pending_transfer.h"

class ShellTransferHost : public TransferHost {
  public:
    int PathKind(const std::string& path) override;
    bool Ask(const char* text, const char* caption) override;
    YesNoCancel AskYesNoCancel(const std::string& text, const char* caption) override;
    void Tell(const std::string& text, const char* caption) override;
    bool RunShellOperation(PendingKind kind, const std::string& source,
                           const std::string& destination, bool confirmed) override;
    void SetClipboardText(const std::string& text) override;
    void ShowStatusText(const std::string& text) override;
    void SetInputAndNowDir(const std::string& folder) override;
    void ListInputFolder(const std::string& folder) override;
    void RecordRecentLine(const std::string& line) override;
    void RelistAndFocus() override;
};
