// The path rules of the list commands and the copy/move between two keys, on paths built from
// pieces that matter (separators, "*", drive letters, a character whose trail byte is "\"):
// - TrimPatternTail only drops a whole final "\*" or "\" and cuts between whole characters;
// - Backspace's ParentOfInput always comes nearer to the drive list, never cuts a character;
// - the pending transfer keeps a sound state through any keys on any file system, never hands
//   the shell a drive, an empty path or an item onto itself, asks before it acts while a
//   destination waits, and never lets the shell replace a name or make a file of a folder
//   that is gone without having asked.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <string_view>

#include "common/sjis.h"
#include "tests/fuzz/fuzz_check.h"
#include "utility/model/folder_walk.h"
#include "utility/model/path_text.h"
#include "utility/rules/list_keys.h"
#include "utility/rules/pending_transfer.h"

namespace {

std::string MakePath(FuzzedDataProvider& data) {
    static const char* const kPieces[] = {"C:",
                                          ":",
                                          "\\",
                                          "*",
                                          "a",
                                          "B",
                                          "\x83\x5c" /* ソ */,
                                          " ",
                                          ".",
                                          "x.txt",
                                          "\x95\x5c" /* 表 */,
                                          "\x83"};
    std::string path;
    int pieces = data.ConsumeIntegralInRange(0, 8);
    for (int i = 0; i < pieces; ++i)
        path += kPieces[data.ConsumeIntegralInRange<std::size_t>(0, std::size(kPieces) - 1)];
    return path;
}

void CheckTrim(const std::string& path) {
    std::string trimmed = TrimPatternTail(path);
    std::size_t cut = path.size() - trimmed.size();
    Require(path.compare(0, trimmed.size(), trimmed) == 0 && cut <= 2, "only a tail is dropped");
    Require(cut == 0 || IsCharBoundary(path, trimmed.size()), "the cut is between characters");
    if (cut == 2) Require(path.substr(trimmed.size()) == "\\*", "two bytes are a whole \\*");
    if (cut == 1) Require(path.back() == '\\', "one byte is a whole \\");
}

void CheckParents(std::string text, const std::string& nowDir) {
    // Each Backspace shortens the line until the drive list shows.
    const std::size_t most = text.size() + 1;
    for (std::size_t steps = 0;; ++steps) {
        Require(steps <= most, "Backspace comes nearer to the drive list");
        ParentStep step = ParentOfInput(text, 0, nowDir);
        if (step.kind != ParentKind::SetInput) return;
        if (step.text == nowDir && text.size() <= 1) return;
        Require(step.text.size() < text.size() && text.compare(0, step.text.size(), step.text) == 0,
                "the parent is a shorter start of the line");
        char separator = text[step.text.size()];
        Require(IsCharBoundary(text, step.text.size()) && (separator == '\\' || separator == ':'),
                "the parent ends before a whole separator");
        text = step.text;
    }
}

class FakeShell : public TransferHost {
  public:
    explicit FakeShell(FuzzedDataProvider& data) : data_(data) {}
    std::map<std::string, int> items;  // 1 folder, 2 file
    bool asked = false;
    int operations = 0;

    int PathKind(const std::string& path) override {
        auto found = items.find(path);
        return found == items.end() ? 0 : found->second;
    }
    bool Ask(const char*, const char*) override {
        asked = true;
        return data_.ConsumeBool();
    }
    YesNoCancel AskYesNoCancel(const std::string&, const char*) override {
        return static_cast<YesNoCancel>(data_.ConsumeIntegralInRange(0, 2));
    }
    void Tell(const std::string&, const char*) override {}
    bool RunShellOperation(PendingKind kind, const std::string& source,
                           const std::string& destination, bool confirmed) override {
        Require(kind == PendingKind::Move || kind == PendingKind::Copy, "a move or a copy");
        Require(!IsDriveOrEmpty(source) && !destination.empty(), "never a drive or nothing");
        Require(!EqualsIgnoringCase(source, destination) &&
                    !(StartsWithIgnoringCase(destination, source + "\\") &&
                      IsCharBoundary(destination, source.size())),
                "never a folder into itself or below itself");
        // Beside itself only a copy, to a free name.
        if (EqualsIgnoringCase(TrimPatternTail(PatternFolder(source)), destination))
            Require(false, "an item is never moved or copied into the folder it lies in");
        std::string name = source.substr(PatternFolder(source).size());
        if (PathKind(destination) == 1) {
            Require(confirmed || PathKind(destination + "\\" + name) == 0,
                    "a name the folder holds is replaced only after the question");
        } else {
            // No piece holds the word, so only a name chosen to keep both does.
            Require(destination.find("\x83\x52\x83\x73\x81\x5b") != std::string::npos &&  // コピー
                        PathKind(destination) == 0 && destination.size() <= 259 && !confirmed,
                    "an item goes into a folder, or to a free name of its own");
            Require(kind == PendingKind::Copy ||
                        !EqualsIgnoringCase(PatternFolder(destination), PatternFolder(source)),
                    "only a copy gets a name beside its original");
            items[destination] = PathKind(source);
        }
        ++operations;
        return data_.ConsumeBool();
    }
    void SetClipboardText(const std::string&) override {}
    void ShowStatusText(const std::string& text) override {
        Require(text.size() <= 511, "the status text fits its part");
    }
    void SetInputAndNowDir(const std::string&) override {}
    void ListInputFolder(const std::string&) override {}
    void RecordRecentLine(const std::string&) override {}
    void RelistAndFocus() override {}

  private:
    FuzzedDataProvider& data_;
};

void CheckTransfers(FuzzedDataProvider& data) {
    FakeShell shell(data);
    int declared = data.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < declared; ++i) shell.items[MakePath(data)] = data.ConsumeBool() ? 1 : 2;
    PendingTransfer pending;
    while (data.remaining_bytes() > 0) {
        PendingKind before = pending.pendingKind;
        shell.asked = false;
        int operations = shell.operations;
        int key = data.ConsumeIntegralInRange(0, 3);
        std::string path = MakePath(data);
        if (key == 0) StartTransfer(pending, shell, 3, path);
        if (key == 1) StartTransfer(pending, shell, 24, path);
        if (key == 2) Paste(pending, shell, path);
        if (key == 3) pending.Forget();
        PendingKind kind = pending.pendingKind;
        Require(kind == PendingKind::Nothing || kind == PendingKind::Move ||
                    kind == PendingKind::Copy || kind == PendingKind::Destination,
                "a known pending kind");
        Require((kind == PendingKind::Nothing) == pending.pendingText.empty(),
                "something waits exactly when a path is kept");
        if (before == PendingKind::Destination && key < 2 && shell.operations > operations)
            Require(shell.asked, "an item pasted to a waiting destination is asked for first");
        if (before == PendingKind::Destination && key < 2)
            Require(kind == PendingKind::Destination,
                    "the destination keeps waiting for more items");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::string path = MakePath(data);
    CheckTrim(path);
    CheckParents(path, MakePath(data));
    CheckTransfers(data);
    return 0;
}
