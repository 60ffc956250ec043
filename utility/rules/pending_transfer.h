// pending_transfer.h — a copy or move between its two keys: Ctrl+C or Ctrl+X marks the
// source, Ctrl+V the destination, in either order. The decisions live here; the host carries
// out the questions, the shell operation and what is shown.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

enum class PendingKind : int {
    Nothing = 0,
    Move = 1,  // a source marked with Ctrl+X
    Copy = 2,  // a source marked with Ctrl+C
    Destination = 99,
};

struct PendingTransfer {
    std::string pendingText;  // the source (kind 1 or 2) or the destination folder (kind 99)
    PendingKind pendingKind = PendingKind::Nothing;
    // Shift+Esc and every save: nothing waits any more.
    void Forget() {
        pendingText.clear();
        pendingKind = PendingKind::Nothing;
    }
};

enum class YesNoCancel { Yes, No, Cancel };

class TransferHost {
  public:
    virtual ~TransferHost() = default;
    // 0 missing, 1 folder, 2 file.
    virtual int PathKind(const std::string& path) = 0;
    // Yes/No with the question icon; true for Yes.
    virtual bool Ask(const char* text, const char* caption) = 0;
    // Yes/No/Cancel with the question icon.
    virtual YesNoCancel AskYesNoCancel(const std::string& text, const char* caption) = 0;
    // A notice with an OK button.
    virtual void Tell(const std::string& text, const char* caption) = 0;
    // The shell's move or copy of one item into a folder, or to the full new name that
    // `destination` gives. `confirmed`: Quorvel has asked about the name the item replaces, so
    // the shell asks nothing more. True when the shell reports that it did it all.
    virtual bool RunShellOperation(PendingKind kind, const std::string& source,
                                   const std::string& destination, bool confirmed) = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    // The status bar's second part; an empty text clears it.
    virtual void ShowStatusText(const std::string& text) = 0;
    // The input line's text and NowDir become `folder`.
    virtual void SetInputAndNowDir(const std::string& folder) = 0;
    // The input line's text becomes `folder`, which is then listed.
    virtual void ListInputFolder(const std::string& folder) = 0;
    // A paste destination into the day's history.
    virtual void RecordRecentLine(const std::string& line) = 0;
    // NowDir listed again and the list view focused on its first row.
    virtual void RelistAndFocus() = 0;
};

// Ctrl+C (character 3) or Ctrl+X (any other) on the board list box's item `source` (empty when
// none). With a destination waiting the item goes there; otherwise it becomes the source.
void StartTransfer(PendingTransfer& pending, TransferHost& host, int character,
                   const std::string& source);

// Ctrl+V on the board list box's item `text`: the waiting source goes there, or the folder
// becomes the destination that waits for sources.
void Paste(PendingTransfer& pending, TransferHost& host, const std::string& text);

// One move or copy: asked first while a destination waits. The destination is looked at again
// after that question: one that is no folder any more takes nothing. A name the destination
// already holds is asked about: Yes replaces it, No keeps both (the incoming item gets the name
// a copy beside it would get), Cancel does nothing. A move by Ctrl+X then Ctrl+V that is done
// ends the pending transfer; one that failed keeps it, and the status bar says so. A copy keeps
// it either way, so the source can be pasted again elsewhere.
void TransferFiles(PendingTransfer& pending, TransferHost& host, const std::string& source,
                   const std::string& destination, PendingKind kind);

// What the status bar shows for what waits: "cut:", "copy:" or "paste:" and the path.
std::string PendingStatusText(const PendingTransfer& pending);

// "cut:", "copy:" or "paste:" and the path, at most 511 bytes, never ending inside a character.
std::string StatusText(std::string_view prefix, std::string_view text);

// The name the shell gives a copy made beside its original: "a - コピー.txt", then
// "a - コピー (2).txt", (3) and so on; a folder's name has no extension. The first name that
// `taken` does not report; nothing when every tried name is taken or too long for a path.
std::optional<std::string> CopyNameBeside(const std::string& source, bool folder,
                                          const std::function<bool(const std::string&)>& taken);
