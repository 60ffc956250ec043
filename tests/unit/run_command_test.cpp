#include <gtest/gtest.h>

#include "common/quotes.h"
#include "launcher/model/aliases.h"
#include "launcher/rules/board_stepping.h"
#include "launcher/rules/run_plan.h"

using Boards = std::vector<std::string>;

TEST(SplitCommand, FirstSpaceOrTheEndOfALeadingQuote) {
    struct Case {
        const char* command;
        const char* program;
        const char* arguments;
    };
    const Case cases[] = {
        {"notepad C:\\a.txt", "notepad", "C:\\a.txt"},
        {"notepad", "notepad", ""},
        {"\"C:\\Program Files\\x.exe\" -o a b", "\"C:\\Program Files\\x.exe\"", "-o a b"},
        {"\"C:\\Program Files\\x.exe\"", "\"C:\\Program Files\\x.exe\"", ""},
        {"\"C:\\no end quote\\x.exe -o", "\"C:\\no end quote\\x.exe -o", ""},
        {"a  b", "a", " b"},  // only the first space separates
        {"\"\"", "\"\"", ""},
        {"", "", ""},
        {"ed \"C:\\a b.txt\"", "ed", "\"C:\\a b.txt\""},
    };
    for (const Case& c : cases) {
        CommandParts parts = SplitCommand(c.command);
        EXPECT_EQ(parts.program, c.program) << c.command;
        EXPECT_EQ(parts.arguments, c.arguments) << c.command;
    }
}

TEST(Aliases, FirstPairWinsAndLinesWithoutASpaceAreNoAliases) {
    AliasTable table;
    LoadAliases(table,
                "ed C:\\tools\\editor.exe -n\r\n"
                "ed other.exe\n"
                "lonely\r"
                "\r\n\n"
                " nothing-before-the-space\n"
                "メモ \"C:\\Program Files\\memo.exe\" /x /y\r\n"
                "last last.exe");
    ASSERT_EQ(table.pairs.size(), 3u);
    EXPECT_EQ(ResolveAlias(table, "ed"), "C:\\tools\\editor.exe -n");
    EXPECT_EQ(ResolveAlias(table, "メモ"), "\"C:\\Program Files\\memo.exe\" /x /y");
    EXPECT_EQ(ResolveAlias(table, "last"), "last.exe");
    EXPECT_EQ(ResolveAlias(table, "ED"), "ED") << "aliases are case-sensitive";
    EXPECT_EQ(ResolveAlias(table, "lonely"), "lonely");
    EXPECT_EQ(ResolveAlias(AliasTable{}, "x"), "x");
}

TEST(InternalCommands, OnlyTheWholeKeywordCounts) {
    EXPECT_EQ(MatchInternalCommand("end"), InternalCommand::End);
    EXPECT_EQ(MatchInternalCommand("tokei"), InternalCommand::Tokei);
    EXPECT_EQ(MatchInternalCommand("next"), InternalCommand::Next);
    EXPECT_EQ(MatchInternalCommand("prev"), InternalCommand::Prev);
    EXPECT_EQ(MatchInternalCommand("repaint"), InternalCommand::Repaint);
    EXPECT_EQ(MatchInternalCommand("show"), InternalCommand::Show);
    EXPECT_EQ(MatchInternalCommand("menu"), InternalCommand::Menu);
    EXPECT_EQ(MatchInternalCommand("new"), InternalCommand::New);
    EXPECT_EQ(MatchInternalCommand("load"), InternalCommand::Load);
    EXPECT_EQ(MatchInternalCommand("save"), InternalCommand::Save);
    for (const char* text : {"save ", " save", "Save", "SAVE", "saves", "", "save\r\n", "en"})
        EXPECT_EQ(MatchInternalCommand(text), InternalCommand::None) << '"' << text << '"';
}

TEST(PlanRun, AliasesArgumentsAndTheLogLine) {
    AliasTable aliases;
    LoadAliases(aliases,
                "ed C:\\tools\\editor.exe -n\nplain C:\\tools\\plain.exe\n"
                "spaced \"C:\\Program Files\\s.exe\" --flag\n");
    struct Case {
        const char* command;
        const char* program;
        const char* parameters;
        const char* logLine;
    };
    const Case cases[] = {
        // The note's path comes first, the alias's options after it, one space between.
        {"ed C:\\a.txt", "C:\\tools\\editor.exe", "C:\\a.txt -n",
         "C:\\tools\\editor.exe C:\\a.txt -n"},
        {"ed", "C:\\tools\\editor.exe", "-n", "C:\\tools\\editor.exe -n"},
        {"plain", "C:\\tools\\plain.exe", "", "C:\\tools\\plain.exe"},
        {"plain x", "C:\\tools\\plain.exe", "x", "C:\\tools\\plain.exe x"},
        {"spaced y", "\"C:\\Program Files\\s.exe\"", "y --flag",
         "\"C:\\Program Files\\s.exe\" y --flag"},
        {"notepad C:\\b.txt", "notepad", "C:\\b.txt", "notepad C:\\b.txt"},
        {"\"C:\\my tools\\t.exe\" a", "\"C:\\my tools\\t.exe\"", "a", "\"C:\\my tools\\t.exe\" a"},
        {"save ", "save", "", "save"},  // no internal command: the shell gets it
    };
    for (const Case& c : cases) {
        RunPlan plan = PlanRun(c.command, true, {}, {}, aliases);
        EXPECT_EQ(plan.kind, RunKind::Shell) << c.command;
        EXPECT_EQ(plan.program, c.program) << c.command;
        EXPECT_EQ(plan.parameters, c.parameters) << c.command;
        EXPECT_EQ(plan.logLine, c.logLine) << c.command;
    }
}

TEST(PlanRun, LinesInternalCommandsAndBoardsComeBeforeTheShell) {
    Boards folder = {"a.txt", "仕事.txt"}, outside = {"D:\\x\\c.txt"};
    AliasTable aliases;
    LoadAliases(aliases, "a.txt alias-that-never-wins.exe\nsave other.exe\n");
    EXPECT_EQ(PlanRun("one\r\ntwo", true, folder, outside, aliases).kind, RunKind::LineMenu);
    EXPECT_EQ(PlanRun("one\ntwo", true, folder, outside, aliases).kind, RunKind::LineMenu);
    // Without a note there is no menu to show: the text goes on as one command.
    EXPECT_EQ(PlanRun("one\ntwo", false, folder, outside, aliases).kind, RunKind::Shell);

    RunPlan save = PlanRun("save", false, folder, outside, aliases);
    EXPECT_EQ(save.kind, RunKind::Internal);
    EXPECT_EQ(save.internal, InternalCommand::Save);

    RunPlan board = PlanRun("仕事.txt", true, folder, outside, aliases);
    EXPECT_EQ(board.kind, RunKind::Board);
    EXPECT_EQ(board.board, "仕事.txt");
    EXPECT_EQ(PlanRun("a.txt", true, folder, outside, aliases).kind, RunKind::Board);
    EXPECT_EQ(PlanRun("D:\\x\\c.txt", true, folder, outside, aliases).board, "D:\\x\\c.txt");
    EXPECT_EQ(PlanRun("A.TXT", true, folder, outside, aliases).kind, RunKind::Shell)
        << "board names are compared exactly";
    for (const char* blank : {"", " ", "\t\r\n"})
        EXPECT_EQ(PlanRun(blank, true, {blank}, {blank}, aliases).kind, RunKind::Nothing)
            << "the shell would open a folder of its own choosing";
}

TEST(NoteRunOf, ByRunTypeAndEditWithoutACommand) {
    EXPECT_EQ(NoteRunOf("", kRunTypeCopy), NoteRun::Edit);
    EXPECT_EQ(NoteRunOf("x", kRunTypeCommand), NoteRun::Command);
    EXPECT_EQ(NoteRunOf("x", kRunTypeCopy), NoteRun::CopyCommand);
    EXPECT_EQ(NoteRunOf("x", kRunTypeCopyLine), NoteRun::CopyLine);
    EXPECT_EQ(NoteRunOf("x", 3), NoteRun::Nothing);
    EXPECT_EQ(NoteRunOf("x", -1), NoteRun::Nothing);
}

constexpr const char* kData = "C:\\m\\fdir";

TEST(SelfCommand, QuotesWhatHoldsASpaceAndSendsOrderNamesAsPaths) {
    EXPECT_EQ(SelfCommand("C:\\m\\marnelo.exe", "a.txt", kData), "C:\\m\\marnelo.exe a.txt");
    EXPECT_EQ(SelfCommand("C:\\my apps\\marnelo.exe", "a.txt", kData),
              "\"C:\\my apps\\marnelo.exe\" a.txt");
    EXPECT_EQ(SelfCommand("C:\\m\\marnelo.exe", "D:\\my boards\\b.txt", kData),
              "C:\\m\\marnelo.exe \"D:\\my boards\\b.txt\"");
    // The self command splits back into the program and the board argument.
    CommandParts parts =
        SplitCommand(SelfCommand("C:\\my apps\\marnelo.exe", "my board.txt", kData));
    EXPECT_EQ(WithoutEnclosingQuotes(parts.program), "C:\\my apps\\marnelo.exe");
    EXPECT_EQ(parts.arguments, "\"my board.txt\"");
    // A board named like an order of the hand-over goes as its path, or it would be obeyed.
    EXPECT_EQ(HandOverArgument("end", kData), "C:\\m\\fdir\\end");
    EXPECT_EQ(HandOverArgument("clipb", "C:\\my m\\fdir"), "\"C:\\my m\\fdir\\clipb\"");
    EXPECT_EQ(HandOverArgument("exec", kData), "C:\\m\\fdir\\exec");
    EXPECT_EQ(HandOverArgument("ends", kData), "ends");
    EXPECT_EQ(HandOverArgument("D:\\x\\end", kData), "D:\\x\\end");
    EXPECT_EQ(WithoutEnclosingQuotes("\"x\""), "x");
    EXPECT_EQ(WithoutEnclosingQuotes("\"x"), "\"x");
    EXPECT_EQ(WithoutEnclosingQuotes("\""), "\"");
}

TEST(SteppedBoard, RingOverFolderAndOutsideBoards) {
    Boards three = {"a.txt", "b.txt", "c.txt"};
    Boards outside = {"D:\\o\\x.txt", "D:\\o\\y.txt"};
    const std::string data = "C:\\m\\fdir\\";
    struct Case {
        std::string current;
        Boards folder, outside;
        BoardStep step;
        const char* expected;  // nullptr: nothing happens
    };
    const Case cases[] = {
        {data + "b.txt", three, {}, BoardStep::Next, "a.txt"},
        {data + "a.txt", three, {}, BoardStep::Next, "c.txt"},  // wraps to the last folder board
        {data + "b.txt", three, {}, BoardStep::Prev, "c.txt"},
        {data + "c.txt", three, {}, BoardStep::Prev, "a.txt"},
        {data + "c.txt", three, outside, BoardStep::Prev,
         "D:\\o\\x.txt"},  // on into the outside boards
        {data + "a.txt", three, outside, BoardStep::Next, "D:\\o\\y.txt"},
        {"D:\\o\\x.txt", three, outside, BoardStep::Prev, "D:\\o\\y.txt"},
        {"D:\\o\\y.txt", three, outside, BoardStep::Prev, "a.txt"},  // back to the folder boards
        {"D:\\o\\x.txt", three, outside, BoardStep::Next, "c.txt"},
        {"D:\\o\\y.txt", three, outside, BoardStep::Next, "D:\\o\\x.txt"},
        {data + "a.txt", {"a.txt"}, outside, BoardStep::Prev, nullptr},  // the only folder board
        {data + "a.txt", {"a.txt"}, {}, BoardStep::Next, nullptr},
        {"D:\\o\\y.txt",
         {},
         outside,
         BoardStep::Prev,
         nullptr},  // out of the outside boards to nowhere
        {"D:\\o\\x.txt", {}, outside, BoardStep::Next, nullptr},
        {"D:\\o\\x.txt", {}, outside, BoardStep::Prev, "D:\\o\\y.txt"},
        {"E:\\elsewhere\\b.txt", three, {}, BoardStep::Next, "a.txt"},  // found by its name
        {"b.txt", three, {}, BoardStep::Next, "a.txt"},                 // a bare name in the list
        {"zzz.txt", three, {}, BoardStep::Next, nullptr},               // no backslash, not listed
        {data + "zzz.txt", three, {}, BoardStep::Next, nullptr},
        // Entries emptied because their file has gone are passed over.
        {data + "c.txt", three, {"", "D:\\o\\y.txt"}, BoardStep::Prev, "D:\\o\\y.txt"},
        {"D:\\o\\y.txt", three, {"", "D:\\o\\y.txt"}, BoardStep::Next, "c.txt"},
        {data + "a.txt", three, {"D:\\o\\x.txt", ""}, BoardStep::Next, "D:\\o\\x.txt"},
        {data + "c.txt", three, {"", ""}, BoardStep::Prev, "a.txt"},
        {"D:\\o\\y.txt", {}, {"", "D:\\o\\y.txt"}, BoardStep::Next, nullptr},
    };
    for (const Case& c : cases) {
        std::optional<std::string> target = SteppedBoard(c.current, c.folder, c.outside, c.step);
        if (c.expected)
            EXPECT_EQ(target.value_or("(nothing)"), c.expected)
                << c.current << " " << (c.step == BoardStep::Next ? "next" : "prev");
        else
            EXPECT_FALSE(target) << c.current << " "
                                 << (c.step == BoardStep::Next ? "next" : "prev") << " gave "
                                 << *target;
    }
}
