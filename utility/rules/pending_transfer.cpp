#include "utility/rules/pending_transfer.h"

#include "common/sjis.h"
#include "utility/model/folder_walk.h"
#include "utility/model/path_text.h"
#include "utility/resources/texts.h"

namespace {

constexpr std::size_t kStatusTextLimit = 511;
constexpr std::size_t kPathLimit = 259;
constexpr int kMostCopyNumbers = 1000;

bool Exists(TransferHost& host, const std::string& path) {
    return !path.empty() && host.PathKind(path) != 0;
}

// A source the shell may be handed: no pattern tail, and never a whole drive.
std::string SourcePath(const std::string& source) {
    std::string path = TrimPatternTail(source);
    return IsDriveOrEmpty(path) ? std::string() : path;
}

// Paths name the same folder whatever their letter case.
bool InFolder(const std::string& path, const std::string& folder) {
    return EqualsIgnoringCase(TrimPatternTail(PatternFolder(path)), folder);
}

// A folder into itself or into a folder below it: the shell refuses it on Windows, and a copy
// could otherwise go on copying what it has just made.
bool IntoItself(const std::string& from, const std::string& to) {
    if (!StartsWithIgnoringCase(to, from)) return false;
    return to.size() == from.size() || (to[from.size()] == '\\' && IsCharBoundary(to, from.size()));
}

}  // namespace

std::string StatusText(std::string_view prefix, std::string_view text) {
    return CutAtCharBoundary(std::string(prefix) + std::string(text), kStatusTextLimit);
}

std::optional<std::string> CopyNameBeside(const std::string& source, bool folder,
                                          const std::function<bool(const std::string&)>& taken) {
    std::string parent = PatternFolder(source);
    std::string name = source.substr(parent.size());
    std::size_t dot = folder ? std::string::npos : FindLastChar(name, '.');
    // ".profile" is a name, not an extension.
    if (dot == 0) dot = std::string::npos;
    std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    for (int number = 1; number <= kMostCopyNumbers; ++number) {
        std::string suffix = kCopyNameSuffix;
        if (number > 1) suffix += " (" + std::to_string(number) + ")";
        std::string candidate = parent + stem + suffix + extension;
        if (candidate.size() > kPathLimit) return std::nullopt;
        if (!taken(candidate)) return candidate;
    }
    return std::nullopt;
}

namespace {

const char* CaptionOf(PendingKind kind) {
    return kind == PendingKind::Move ? kCutCaption : kCopyCaption;
}

// 「C:\b\f.txt」は既にあります。上書きしますか？（いいえ：両方残す）
std::string CollisionQuestion(const std::string& target) {
    return kExistsOpenQuote + target + kExistsQuestion;
}

enum class Outcome { Done, Failed, Cancelled };

// Puts `from` into the folder `to`. Wine's shell moves onto a name without asking, so Quorvel
// asks about a name the folder holds itself, on every system alike.
Outcome Carry(TransferHost& host, const std::string& from, const std::string& to,
              PendingKind kind) {
    // Nothing the shell could do.
    if (IntoItself(from, to)) return Outcome::Failed;
    bool folder = host.PathKind(from) == 1;
    auto taken = [&host](const std::string& path) { return host.PathKind(path) != 0; };
    std::string target, destination = to;
    bool confirmed = false;
    if (InFolder(from, to)) {
        // A move into the folder the item lies in has nothing to do.
        if (kind == PendingKind::Move) return Outcome::Done;
        // Wine's shell ignores the rename-on-collision flag and would copy the item onto
        // itself, so the copy's free name is chosen here, as the shell would name it.
        std::optional<std::string> name = CopyNameBeside(from, folder, taken);
        if (!name) return Outcome::Failed;
        target = destination = *name;
    } else {
        target = to + "\\" + from.substr(PatternFolder(from).size());
        if (int there = host.PathKind(target)) {
            // An item of the other kind cannot take the name; keeping both loses nothing.
            YesNoCancel answer =
                there != (folder ? 1 : 2)
                    ? YesNoCancel::No
                    : host.AskYesNoCancel(CollisionQuestion(target), CaptionOf(kind));
            if (answer == YesNoCancel::Cancel) return Outcome::Cancelled;
            confirmed = answer == YesNoCancel::Yes;
            if (!confirmed) {
                std::optional<std::string> name = CopyNameBeside(target, folder, taken);
                if (!name) return Outcome::Failed;
                target = destination = *name;
            }
        }
    }
    bool reported = host.RunShellOperation(kind, from, destination, confirmed);
    // A refused move leaves its source, whatever the shell reports.
    bool arrived =
        kind == PendingKind::Move ? host.PathKind(from) == 0 : host.PathKind(target) != 0;
    return reported && arrived ? Outcome::Done : Outcome::Failed;
}

}  // namespace

std::string PendingStatusText(const PendingTransfer& pending) {
    switch (pending.pendingKind) {
        case PendingKind::Move:
            return StatusText("cut:", pending.pendingText);
        case PendingKind::Copy:
            return StatusText("copy:", pending.pendingText);
        case PendingKind::Destination:
            return StatusText("paste:", pending.pendingText);
        default:
            return std::string();
    }
}

void TransferFiles(PendingTransfer& pending, TransferHost& host, const std::string& source,
                   const std::string& destination, PendingKind kind) {
    if (pending.pendingKind == PendingKind::Destination) {
        bool yes = kind == PendingKind::Move ? host.Ask(kCutQuestion, CaptionOf(kind))
                                             : host.Ask(kCopyQuestion, CaptionOf(kind));
        if (!yes) return;
    }
    std::string from = SourcePath(source);
    std::string to = TrimPatternTail(destination);
    // An empty destination would be the process's current folder, never what the user chose.
    if (from.empty() || to.empty()) return;
    // Looked at after the question, while which the folder may have gone: the shell would make
    // a file of its name.
    if (host.PathKind(to) != 1) {
        std::string text = kNoTargetFolderText + to;
        host.ShowStatusText(StatusText(text, ""));
        host.Tell(text, CaptionOf(kind));
        return;
    }
    Outcome outcome = Carry(host, from, to, kind);
    if (outcome == Outcome::Cancelled) return;
    if (outcome == Outcome::Failed) {
        const char* failed = kind == PendingKind::Move ? kMoveFailedText : kCopyFailedText;
        host.ShowStatusText(StatusText(failed, PendingStatusText(pending)));
    } else if (kind == PendingKind::Move && pending.pendingKind != PendingKind::Destination) {
        pending.Forget();
        host.ShowStatusText("");
    }
    host.RelistAndFocus();
}

void StartTransfer(PendingTransfer& pending, TransferHost& host, int character,
                   const std::string& source) {
    bool copy = character == 3;
    PendingKind kind = copy ? PendingKind::Copy : PendingKind::Move;
    if (pending.pendingKind == PendingKind::Destination && !pending.pendingText.empty()) {
        // The destination stays pending: more items may follow it.
        std::string destination = pending.pendingText;
        host.SetInputAndNowDir(destination);
        if (Exists(host, source)) TransferFiles(pending, host, source, destination, kind);
        return;
    }
    if (source.empty()) return;
    host.SetClipboardText(source);
    // A missing item replaces nothing: the status bar must keep naming what a paste would take.
    if (!Exists(host, source)) return;
    pending.pendingText = source;
    pending.pendingKind = kind;
    host.ShowStatusText(PendingStatusText(pending));
}

void Paste(PendingTransfer& pending, TransferHost& host, const std::string& text) {
    // Only a folder takes items: pasting onto a file would replace it.
    if (text.empty() || host.PathKind(text) != 1) return;
    if (pending.pendingKind == PendingKind::Move || pending.pendingKind == PendingKind::Copy) {
        if (pending.pendingText.empty()) return;
        host.SetInputAndNowDir(text);
        std::string source = pending.pendingText;
        TransferFiles(pending, host, source, text, pending.pendingKind);
        host.RecordRecentLine(text);
        return;
    }
    if (pending.pendingKind == PendingKind::Destination && !pending.pendingText.empty() &&
        host.Ask(kMoveToTargetQuestion, kMoveCaption)) {
        host.ListInputFolder(pending.pendingText);
        return;
    }
    pending.pendingText = text;
    pending.pendingKind = PendingKind::Destination;
    host.ShowStatusText(PendingStatusText(pending));
}
