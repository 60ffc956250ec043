#include "launcher/model/paths.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "launcher/rules/start_up_read.h"

namespace {

const LauncherPaths kPaths = BuildLauncherPaths("C:\\app\\");

}  // namespace

TEST(BuildLauncherPaths, EverythingBesideTheExecutable) {
    EXPECT_EQ(kPaths.exeFolder, "C:\\app\\");
    EXPECT_EQ(kPaths.dataFolder, "C:\\app\\fdir");
    EXPECT_EQ(kPaths.imageFolder, "C:\\app\\img");
    EXPECT_EQ(kPaths.deletedFolder, "C:\\app\\fdir\\old");
    EXPECT_EQ(kPaths.settingsFile, "C:\\app\\Marnelo.ini");
    EXPECT_EQ(kPaths.outsideListFile, "C:\\app\\filelist.txt");
    EXPECT_EQ(kPaths.commonFile, "C:\\app\\fdir\\common.txt");
    EXPECT_EQ(kPaths.aliasFile, "C:\\app\\cmd.txt");
    EXPECT_EQ(kPaths.logFolder, "C:\\app\\marnelolog");
    EXPECT_EQ(kPaths.helpPage, "C:\\app\\MarneloHelp\\help.html");
    EXPECT_EQ(RunLogFile(kPaths, {2026, 3, 4, 23, 59, 0}), "C:\\app\\marnelolog\\20260304.log");
}

TEST(ArgumentOf, QuotesAreDroppedAndEndTheArgument) {
    struct Case {
        const char* commandLine;
        const char* argument;
    };
    const Case cases[] = {
        {"", ""},
        {"work.txt", "work.txt"},
        {"\"C:\\memo\\a.txt\"", "C:\\memo\\a.txt"},
        {"\"C:\\my memo\\a.txt\"", "C:\\my memo\\a.txt"},  // a blank inside quotes stays
        {"\"C:\\memo\\a.txt\" more", "C:\\memo\\a.txt"},
        {"\"unclosed", "unclosed"},
        {"\"\"", ""},
        {"  end  ", "end"},
        {"表.txt", "表.txt"}};
    for (const Case& c : cases) EXPECT_EQ(ArgumentOf(c.commandLine), c.argument) << c.commandLine;
}

TEST(ChooseBoard, NameOrPathFromTheArgument) {
    struct Case {
        const char* argument;
        const char* name;
        const char* path;
        const char* deleted;
    };
    const Case cases[] = {
        {"work.txt", "work.txt", "C:\\app\\fdir\\work.txt", "C:\\app\\fdir\\old\\work.txt"},
        {"end", "end", "C:\\app\\fdir\\end", "C:\\app\\fdir\\old\\end"},
        {"C:\\memo\\a.txt", "C:\\memo\\a.txt", "C:\\memo\\a.txt",
         "C:\\app\\fdir\\old\\outside.txt"},
        {"sub\\b.txt", "sub\\b.txt", "sub\\b.txt", "C:\\app\\fdir\\old\\outside.txt"},
        // The trail byte of 表 (0x95 0x5C) is no backslash: this is a name.
        {"表.txt", "表.txt", "C:\\app\\fdir\\表.txt", "C:\\app\\fdir\\old\\表.txt"},
        {"C:\\表\\a.txt", "C:\\表\\a.txt", "C:\\表\\a.txt", "C:\\app\\fdir\\old\\outside.txt"}};
    for (const Case& c : cases) {
        BoardChoice b = ChooseBoard(kPaths, c.argument);
        EXPECT_EQ(b.name, c.name);
        EXPECT_EQ(b.path, c.path);
        EXPECT_EQ(b.deletedPath, c.deleted);
        EXPECT_FALSE(b.createFolders) << c.argument;
    }
}

TEST(ChooseBoard, NoArgumentMeansTheDefaultBoardAndItsFolders) {
    BoardChoice b = ChooseBoard(kPaths, "");
    EXPECT_EQ(b.name, "marnelo.txt");
    EXPECT_EQ(b.path, "C:\\app\\fdir\\marnelo.txt");
    EXPECT_EQ(b.deletedPath, "C:\\app\\fdir\\old\\marnelo.txt");
    EXPECT_TRUE(b.createFolders);
}

TEST(ChooseBoard, QuotedPathFromTheCommandLine) {
    BoardChoice b = ChooseBoard(kPaths, ArgumentOf("\"D:\\notes\\今日.txt\""));
    EXPECT_EQ(std::tie(b.name, b.path),
              std::make_tuple("D:\\notes\\今日.txt", "D:\\notes\\今日.txt"));
    EXPECT_EQ(b.deletedPath, "C:\\app\\fdir\\old\\outside.txt");
}

TEST(IsRelativeBoardPath, OnlyPathsThatDependOnTheStartingFolder) {
    const std::pair<const char*, bool> cases[] = {
        {"notes\\a.txt", true},
        {"..\\a.txt", true},
        {"\\a.txt", true},
        {"C:a\\b.txt", true},
        {"C:\\memo\\a.txt", false},
        {"d:\\a.txt", false},
        {"\\\\server\\share\\a.txt", false},
        {"work.txt", false},
        {"表.txt", false},  // 0x5C trail byte: a name of the data folder
        {"", false}};
    for (const auto& [argument, relative] : cases)
        EXPECT_EQ(IsRelativeBoardPath(argument), relative) << argument;
}

// A made-up disk for the start-up reads: each read fails while `failures` lasts.
class FakeStartUpFiles : public StartUpFiles {
  public:
    int listFailures = 0, boardFailures = 0;
    bool listContent = true, boardContent = true, yes = true;
    std::string calls;
    bool ReadOutsideList() override { return Read("list", listFailures); }
    bool ReadBoard() override { return Read("board", boardFailures); }
    bool OutsideListHoldsContent() override { return listContent; }
    bool BoardHoldsContent() override { return boardContent; }
    bool AskToReadAgain() override {
        calls += "ask ";
        return yes;
    }
    void ShowCommonNotes(bool withDefaultNote) override {
        calls += withDefaultNote ? "common+default " : "common ";
    }

  private:
    bool Read(const char* name, int& failures) {
        calls += std::string(name) + (failures > 0 ? "! " : " ");
        return failures-- <= 0;
    }
};

TEST(ReadFilesAtStartUp, OneQuestionForBothFilesAndADefaultNoteOnlyWhereNothingIsLost) {
    struct Case {
        int listFailures, boardFailures;
        bool listContent, boardContent, yes;
        const char* calls;
    };
    const Case cases[] = {
        {0, 0, true, true, true, "list board "},
        {0, 1, true, false, true, "list board! common+default "},  // next to nothing: no question
        {1, 0, false, true, true, "list! board "},
        {1, 1, true, true, true, "list! board! ask list board "},
        {0, 2, true, true, true, "list board! ask board! common+default "},
        {1, 1, true, true, false, "list! board! ask common "},  // No: nothing may replace it
        {1, 0, true, true, false, "list! board ask "},
    };
    for (const Case& c : cases) {
        FakeStartUpFiles files;
        files.listFailures = c.listFailures;
        files.boardFailures = c.boardFailures;
        files.listContent = c.listContent;
        files.boardContent = c.boardContent;
        files.yes = c.yes;
        ReadFilesAtStartUp(files);
        EXPECT_EQ(files.calls, c.calls);
    }
}

TEST(HoldsContent, MoreThanAFewBytesOrAPathThatCannotBeToldApart) {
    EXPECT_TRUE(HoldsContent(9, true, true, false));
    EXPECT_FALSE(HoldsContent(8, true, true, false)) << "next to nothing is no loss";
    EXPECT_FALSE(HoldsContent(0, false, false, false)) << "missing";
    EXPECT_TRUE(HoldsContent(0, true, false, false)) << "attributes unreadable";
    EXPECT_FALSE(HoldsContent(0, true, false, true)) << "a folder";
}
