// Copy and move between their two keys: every transition, its questions and what the shell is
// handed, and the name a copy beside its original gets.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "common/sjis.h"
#include "utility/rules/pending_transfer.h"

namespace {

// Answers from a made-up disk, which the shell's operations change, and records every call as
// one line.
class FakeHost : public TransferHost {
  public:
    std::map<std::string, int> kinds{{"C:\\a", 1},        {"C:\\b", 1},        {"C:\\a\\f.txt", 2},
                                     {"C:\\a\\g.txt", 2}, {"C:\\b\\x.txt", 2}, {"C:\\a\\sub", 1}};
    bool answer = true;
    YesNoCancel threeWay = YesNoCancel::Yes;
    bool shellReports = true;  // what the shell says
    bool shellActs = true;     // what it does
    std::vector<std::string> calls;

    // As the system names files: whatever their letter case.
    int PathKind(const std::string& path) override {
        for (const auto& [name, kind] : kinds)
            if (EqualsIgnoringCase(name, path)) return kind;
        return 0;
    }
    bool Ask(const char* text, const char* caption) override {
        calls.push_back(std::string("ask ") + text + " " + caption);
        return answer;
    }
    YesNoCancel AskYesNoCancel(const std::string& text, const char* caption) override {
        calls.push_back("ask3 " + text + " " + caption);
        return threeWay;
    }
    void Tell(const std::string& text, const char* caption) override {
        calls.push_back("tell " + text + " " + caption);
    }
    bool RunShellOperation(PendingKind kind, const std::string& source,
                           const std::string& destination, bool confirmed) override {
        calls.push_back((kind == PendingKind::Move ? "move " : "copy ") + source + " > " +
                        destination + (confirmed ? " !" : ""));
        if (shellActs && PathKind(source) != 0) {
            std::string target = destination;
            if (PathKind(destination) == 1)
                target += source.substr(source.rfind('\\'));  // into the folder
            kinds[target] = kinds[source];
            if (kind == PendingKind::Move) kinds.erase(source);
        }
        return shellReports;
    }
    void SetClipboardText(const std::string& text) override { calls.push_back("clip " + text); }
    void ShowStatusText(const std::string& text) override { calls.push_back("status " + text); }
    void SetInputAndNowDir(const std::string& f) override { calls.push_back("nowdir " + f); }
    void ListInputFolder(const std::string& f) override { calls.push_back("list " + f); }
    void RecordRecentLine(const std::string& line) override { calls.push_back("recent " + line); }
    void RelistAndFocus() override { calls.push_back("relist"); }
    std::vector<std::string> Take() { return std::exchange(calls, {}); }
};

using Calls = std::vector<std::string>;

TEST(QuorvelTransfer, CutThenPasteMovesWithoutAQuestionAndEnds) {
    PendingTransfer p;
    FakeHost host;
    StartTransfer(p, host, 24, "C:\\a\\f.txt");
    EXPECT_EQ(host.Take(), (Calls{"clip C:\\a\\f.txt", "status cut:C:\\a\\f.txt"}));
    EXPECT_EQ(p.pendingKind, PendingKind::Move);
    Paste(p, host, "C:\\b");
    EXPECT_EQ(host.Take(), (Calls{"nowdir C:\\b", "move C:\\a\\f.txt > C:\\b", "status ", "relist",
                                  "recent C:\\b"}));
    EXPECT_EQ(p.pendingKind, PendingKind::Nothing);
    EXPECT_EQ(p.pendingText, "");
}

TEST(QuorvelTransfer, CopyStaysPendingForAnotherPaste) {
    PendingTransfer p;
    FakeHost host;
    StartTransfer(p, host, 3, "C:\\a\\f.txt");
    EXPECT_EQ(host.Take().back(), "status copy:C:\\a\\f.txt");
    Paste(p, host, "C:\\b");
    Paste(p, host, "C:\\a\\sub");
    Calls calls = host.Take();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "copy C:\\a\\f.txt > C:\\b"), 1);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "copy C:\\a\\f.txt > C:\\a\\sub"), 1);
    EXPECT_EQ(p.pendingKind, PendingKind::Copy);
}

TEST(QuorvelTransfer, DestinationFirstAsksForEveryItemAndStays) {
    PendingTransfer p;
    FakeHost host;
    Paste(p, host, "C:\\b");
    EXPECT_EQ(host.Take(), (Calls{"status paste:C:\\b"}));
    EXPECT_EQ(p.pendingKind, PendingKind::Destination);
    StartTransfer(p, host, 3, "C:\\a\\f.txt");
    EXPECT_EQ(host.Take(), (Calls{"nowdir C:\\b", "ask コピーしますか？ ファイルコピー",
                                  "copy C:\\a\\f.txt > C:\\b", "relist"}));
    StartTransfer(p, host, 24, "C:\\a\\g.txt");
    EXPECT_EQ(host.Take(), (Calls{"nowdir C:\\b", "ask 切り取りますか？ ファイル切り取り",
                                  "move C:\\a\\g.txt > C:\\b", "relist"}));
    EXPECT_EQ(p.pendingKind, PendingKind::Destination)
        << "a move into a waiting destination keeps it";
    EXPECT_EQ(p.pendingText, "C:\\b");
    host.answer = false;
    StartTransfer(p, host, 3, "C:\\a\\f.txt");
    EXPECT_EQ(host.Take(), (Calls{"nowdir C:\\b", "ask コピーしますか？ ファイルコピー"}))
        << "No does nothing at all";
}

TEST(QuorvelTransfer, PasteTwiceOnADestination) {
    PendingTransfer p;
    FakeHost host;
    Paste(p, host, "C:\\b");
    host.Take();
    Paste(p, host, "C:\\a");
    EXPECT_EQ(host.Take(), (Calls{"ask コピー先に移動しますか？ 移動", "list C:\\b"}));
    EXPECT_EQ(p.pendingText, "C:\\b");
    host.answer = false;
    Paste(p, host, "C:\\a");
    EXPECT_EQ(host.Take(), (Calls{"ask コピー先に移動しますか？ 移動", "status paste:C:\\a"}));
    EXPECT_EQ(p.pendingText, "C:\\a") << "No takes the new destination";
}

TEST(QuorvelTransfer, MissingOrUnusableItemsChangeNothing) {
    struct Case {
        const char* source;  // Ctrl+C on it while a cut of f.txt is pending
        const char* paste;   // then Ctrl+V on it
        Calls calls;
    };
    const Case cases[] = {
        {"", "", {}},
        {"C:\\gone.txt", "C:\\gone", {"clip C:\\gone.txt"}},
        // A file is no destination: pasting onto it would replace it.
        {"C:\\gone.txt", "C:\\b\\x.txt", {"clip C:\\gone.txt"}},
    };
    for (const Case& c : cases) {
        PendingTransfer p{"C:\\a\\f.txt", PendingKind::Move};
        FakeHost host;
        StartTransfer(p, host, 3, c.source);
        Paste(p, host, c.paste);
        EXPECT_EQ(host.Take(), c.calls) << c.source << " " << c.paste;
        EXPECT_EQ(p.pendingText, "C:\\a\\f.txt") << "the status bar still names the source";
        EXPECT_EQ(p.pendingKind, PendingKind::Move);
    }
    // Nothing waits after a save: the next paste asks nothing about the old destination.
    PendingTransfer p{"C:\\b", PendingKind::Destination};
    p.Forget();
    FakeHost host;
    Paste(p, host, "C:\\a");
    EXPECT_EQ(host.Take(), (Calls{"status paste:C:\\a"}));
}

TEST(QuorvelTransfer, IntoTheItemsOwnFolder) {
    struct Case {
        const char* source;
        PendingKind kind;
        const char* destination;
        const char* shell;  // what the shell is handed, empty for nothing
    };
    const Case cases[] = {
        {"C:\\a\\f.txt", PendingKind::Copy, "C:\\a\\*",
         "copy C:\\a\\f.txt > C:\\a\\f - コピー.txt"},
        {"C:\\a\\f.txt", PendingKind::Copy, "c:\\A\\", "copy C:\\a\\f.txt > C:\\a\\f - コピー.txt"},
        {"C:\\a\\sub", PendingKind::Copy, "C:\\a", "copy C:\\a\\sub > C:\\a\\sub - コピー"},
        {"C:\\a\\f.txt", PendingKind::Move, "C:\\a", ""},  // already there
        // "C:\a" only begins "C:\ab\": a folder of its own, handed on as it is.
        {"C:\\ab\\h.txt", PendingKind::Copy, "C:\\a", "copy C:\\ab\\h.txt > C:\\a"},
        {"C:\\", PendingKind::Copy, "C:\\a", ""},        // never a whole drive
        {"C:\\a", PendingKind::Copy, "c:\\A\\*", ""},    // never into itself
        {"C:\\a", PendingKind::Move, "C:\\a\\sub", ""},  // nor below itself
        {"C:\\a", PendingKind::Move, "C:\\ab", "move C:\\a > C:\\ab"},
    };
    for (const Case& c : cases) {
        PendingTransfer p{c.source, c.kind};  // as Ctrl+V finds it
        FakeHost host;
        host.kinds.insert({{"C:\\ab", 1}, {"C:\\ab\\h.txt", 2}});
        TransferFiles(p, host, c.source, c.destination, c.kind);
        Calls expected;
        if (*c.shell) expected.push_back(c.shell);
        bool intoItself = std::string(c.source) == "C:\\a" && !*c.shell;
        if (std::string(c.source) != "C:\\") {
            // Into itself nothing moves: the source stays marked.
            if (intoItself)
                expected.push_back(std::string("status ") +
                                   (c.kind == PendingKind::Move ? "移動" : "コピー") +
                                   "できませんでした。 " + PendingStatusText(p));
            else if (c.kind == PendingKind::Move)
                expected.push_back("status ");
            expected.push_back("relist");
        }
        EXPECT_EQ(host.Take(), expected) << c.source << " > " << c.destination;
        EXPECT_EQ(p.pendingKind == PendingKind::Nothing, c.kind == PendingKind::Move && !intoItself)
            << c.source << " > " << c.destination;
    }
}

TEST(QuorvelTransfer, ANameTheDestinationHoldsIsAskedAbout) {
    const std::string question =
        "ask3 「C:\\b\\f.txt」は既にあります。上書きしますか？（いいえ：両方残す）";
    struct Case {
        PendingKind kind;
        YesNoCancel answer;
        int there;  // what C:\b\f.txt is: 1 folder, 2 file
        Calls calls;
        bool pending;  // the source stays marked
    };
    const Case cases[] = {
        {PendingKind::Move,
         YesNoCancel::Yes,
         2,
         {question + " ファイル切り取り", "move C:\\a\\f.txt > C:\\b !", "status ", "relist"},
         false},
        {PendingKind::Move,
         YesNoCancel::No,
         2,
         {question + " ファイル切り取り", "move C:\\a\\f.txt > C:\\b\\f - コピー.txt", "status ",
          "relist"},
         false},
        {PendingKind::Copy, YesNoCancel::Cancel, 2, {question + " ファイルコピー"}, true},
        // A folder of that name cannot be replaced by a file: both are kept, unasked.
        {PendingKind::Copy,
         YesNoCancel::Yes,
         1,
         {"copy C:\\a\\f.txt > C:\\b\\f - コピー.txt", "relist"},
         true},
    };
    for (const Case& c : cases) {
        PendingTransfer p{"C:\\a\\f.txt", c.kind};
        FakeHost host;
        host.kinds["C:\\b\\f.txt"] = c.there;
        host.threeWay = c.answer;
        Paste(p, host, "C:\\b");
        Calls calls = host.Take();
        calls.erase(calls.begin());  // nowdir
        calls.pop_back();            // recent
        EXPECT_EQ(calls, c.calls) << int(c.answer);
        EXPECT_EQ(p.pendingKind != PendingKind::Nothing, c.pending) << int(c.answer);
    }
}

TEST(QuorvelTransfer, ADestinationGoneWhileAskedTakesNothing) {
    PendingTransfer p;
    FakeHost host;
    Paste(p, host, "C:\\b");
    host.kinds.erase("C:\\b");  // removed while "コピーしますか？" is open
    host.Take();
    StartTransfer(p, host, 3, "C:\\a\\f.txt");
    EXPECT_EQ(host.Take(), (Calls{"nowdir C:\\b", "ask コピーしますか？ ファイルコピー",
                                  "status コピー先のフォルダがありません：C:\\b",
                                  "tell コピー先のフォルダがありません：C:\\b ファイルコピー"}));
    EXPECT_EQ(p.pendingKind, PendingKind::Destination);
    EXPECT_EQ(host.kinds.count("C:\\b"), 0u) << "no file of the folder's name";
}

TEST(QuorvelTransfer, AFailedMoveKeepsItsSourceMarked) {
    // The shell says it failed, or says nothing while the source stays (a file held open).
    for (bool reports : {false, true}) {
        PendingTransfer p{"C:\\a\\f.txt", PendingKind::Move};
        FakeHost host;
        host.shellReports = reports;
        host.shellActs = false;
        Paste(p, host, "C:\\b");
        Calls calls = host.Take();
        EXPECT_EQ(calls[calls.size() - 3], "status 移動できませんでした。 cut:C:\\a\\f.txt");
        EXPECT_EQ(p.pendingKind, PendingKind::Move);
        EXPECT_EQ(p.pendingText, "C:\\a\\f.txt");
    }
}

TEST(QuorvelTransfer, CopyNameBesideSkipsTakenNames) {
    std::set<std::string> disk{"C:\\a\\f - コピー.txt", "C:\\a\\f - コピー (2).txt"};
    auto taken = [&](const std::string& path) { return disk.count(path) > 0; };
    EXPECT_EQ(CopyNameBeside("C:\\a\\f.txt", false, taken), "C:\\a\\f - コピー (3).txt");
    EXPECT_EQ(CopyNameBeside("C:\\a\\v1.2.txt", false, taken), "C:\\a\\v1.2 - コピー.txt");
    EXPECT_EQ(CopyNameBeside("C:\\a\\.profile", false, taken), "C:\\a\\.profile - コピー");
    EXPECT_EQ(CopyNameBeside("C:\\a\\d.old", true, taken), "C:\\a\\d.old - コピー");
    // 表 ends in 0x5C: the name is not cut there.
    EXPECT_EQ(CopyNameBeside("C:\\表.txt", false, taken), "C:\\表 - コピー.txt");
    EXPECT_EQ(CopyNameBeside("C:\\a\\f.txt", false, [](const std::string&) { return true; }),
              std::nullopt);
    EXPECT_EQ(CopyNameBeside("C:\\" + std::string(250, 'n') + ".txt", false, taken), std::nullopt)
        << "longer than a path may be";
}

TEST(QuorvelTransfer, StatusTextStopsAtACharacter) {
    EXPECT_EQ(StatusText("cut:", "C:\\a"), "cut:C:\\a");
    std::string cut = StatusText("paste:", std::string(504, 'a') + "表表");
    EXPECT_EQ(cut.size(), 510u) << "511 would split the first 表";
}

}  // namespace
