// The real snapkeep.exe: the copy Marnelo's first save of a day makes, the thirty kept days,
// a held board, the originals left as they were, and "/list".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "common/date_stamp.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/wait.h"

namespace {

std::string Today() {
    return DateStamp(LocalNow());
}

std::string DayFolder() {
    return "snapkeep\\" + Today() + "\\";
}

Install WithRealBackup(Install inst) {
    inst.WithCopyOf("snapkeep.exe", "snapkeep.exe");
    return inst;
}

struct Stamp {
    std::string bytes;
    FILETIME created{}, written{};
};

Stamp StampOf(const Install& inst, const std::string& relative) {
    Stamp stamp{inst.Read(relative)};
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExA(inst.PathOf(relative).c_str(), GetFileExInfoStandard, &data)) {
        stamp.created = data.ftCreationTime;
        stamp.written = data.ftLastWriteTime;
    }
    return stamp;
}

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return CompareFileTime(&a, &b) == 0;
}

// snapkeep.exe run directly, as a user types it; what it printed goes to a file.
int RunSnapkeep(const Install& inst, const std::string& argument, std::string* printed = nullptr) {
    std::string outputPath = inst.PathOf("printed.txt");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string exe = inst.PathOf("snapkeep.exe");
    std::string commandLine = "\"" + exe + "\"" + (argument.empty() ? "" : " " + argument);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION info{};
    BOOL started = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                  nullptr, inst.Folder().c_str(), &startup, &info);
    CloseHandle(output);
    if (!started) return -1;
    DWORD code = 12345;
    if (WaitForSingleObject(info.hProcess, 20000) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &code);
    else
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    if (printed) *printed = inst.Read("printed.txt");
    return static_cast<int>(code);
}

std::vector<std::string> DayFoldersOf(const Install& inst) {
    std::vector<std::string> days;
    WIN32_FIND_DATAA entry{};
    HANDLE find = FindFirstFileA(inst.PathOf("snapkeep\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return days;
    do {
        std::string name = entry.cFileName;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name.size() == 8 &&
            name.find_first_not_of("0123456789") == std::string::npos)
            days.push_back(name);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    std::sort(days.begin(), days.end());
    return days;
}

}  // namespace

TEST(Snapkeep, FirstSaveOfTheDayCopiesEveryFileByteForByteAndLeavesTheOriginalsAlone) {
    Install inst = WithRealBackup(Install::Fresh());
    inst.WithBoard("marnelo.txt", {BoardNote("今日の付箋", 100, 100)})
        .WithBoard("common.txt", {[] {
                       Note n = BoardNote("共通の付箋", 300, 100);
                       n.common = 1;
                       return n;
                   }()})
        .WithBoard("仕事.txt", {BoardNote("別の板", 100, 100)})
        .WithFile("fdir\\old\\marnelo.txt",
                  "--- 2026/12/01 10:00:00 ---\r\n" + RecordOf(BoardNote("消した付箋", 1, 1)))
        .WithFile("cmd.txt", "ed notepad.exe\n")
        .WithFile("Quorvel.ini", "[window]\r\nsizeHeight=150\r\n")
        .WithFile("data.txt", "not kept\n");
    inst.WithFile("filelist.txt", inst.PathOf("fdir\\仕事.txt") + "\n");
    const std::vector<std::string> untouched = {"fdir\\仕事.txt", "fdir\\old\\marnelo.txt",
                                                "cmd.txt", "Quorvel.ini"};
    std::vector<Stamp> before;
    for (const std::string& file : untouched) before.push_back(StampOf(inst, file));

    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(2));
    ASSERT_EQ(app.End(), 0);
    const std::vector<std::string> kept = {
        "fdir\\marnelo.txt", "fdir\\common.txt", "fdir\\仕事.txt", "fdir\\old\\marnelo.txt",
        "filelist.txt",      "cmd.txt",          "Marnelo.ini",    "Quorvel.ini"};
    auto copied = [&] {
        for (const std::string& file : kept)
            if (!inst.Exists(DayFolder() + file) ||
                inst.Read(DayFolder() + file) != inst.Read(file))
                return false;
        return true;
    };
    ASSERT_TRUE(WaitFor(copied, 15000)) << "the day's copy holds every file as it is";
    EXPECT_THAT(inst.Read(DayFolder() + "Marnelo.ini"), testing::HasSubstr("backup=" + Today()));
    EXPECT_FALSE(inst.Exists(DayFolder() + "data.txt"));
    for (const std::string& file : kept) {
        Stamp original = StampOf(inst, file), copy = StampOf(inst, DayFolder() + file);
        EXPECT_TRUE(SameTime(original.written, copy.written)) << file << " keeps its date";
        EXPECT_FALSE(inst.Exists(DayFolder() + file + ".tmp~")) << file;
    }
    for (std::size_t i = 0; i < untouched.size(); ++i) {
        Stamp after = StampOf(inst, untouched[i]);
        EXPECT_EQ(after.bytes, before[i].bytes) << untouched[i];
        EXPECT_TRUE(SameTime(after.written, before[i].written)) << untouched[i];
        EXPECT_TRUE(SameTime(after.created, before[i].created)) << untouched[i];
    }
}

TEST(Snapkeep, ThirtyOneOldDaysAreCutToThirtyWithTodayAndListedNewestFirst) {
    Install inst = WithRealBackup(Install::Fresh());
    inst.WithBoard("marnelo.txt", {BoardNote("付箋", 100, 100)});
    for (int day = 1; day <= 31; ++day) {
        char name[16];
        std::snprintf(name, sizeof name, "202501%02d", day);
        inst.WithFile("snapkeep\\" + std::string(name) + "\\fdir\\marnelo.txt", name);
    }
    inst.WithFile("snapkeep\\mine\\note.txt", "the user's own");
    ASSERT_EQ(RunSnapkeep(inst, ""), 0);
    std::vector<std::string> days = DayFoldersOf(inst);
    ASSERT_EQ(days.size(), 30u);
    EXPECT_EQ(days.front(), "20250103");
    EXPECT_EQ(days.back(), Today());
    EXPECT_EQ(inst.Read("snapkeep\\20250103\\fdir\\marnelo.txt"), "20250103");
    EXPECT_EQ(inst.Read("snapkeep\\mine\\note.txt"), "the user's own");

    std::string printed;
    ASSERT_EQ(RunSnapkeep(inst, "/list", &printed), 0);
    std::string today = Today();
    std::string first = today.substr(0, 4) + "/" + today.substr(4, 2) + "/" + today.substr(6, 2) +
                        "  " + inst.PathOf(DayFolder()) + "\r\n";
    EXPECT_THAT(printed, testing::StartsWith(first));
    EXPECT_THAT(printed,
                testing::EndsWith("2025/01/03  " + inst.PathOf("snapkeep\\20250103\\\r\n")));
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 30);
}

TEST(Snapkeep, HeldBoardIsSkippedTheRestCopiedAndTheNextRunCatchesUp) {
    Install inst = WithRealBackup(Install::Fresh());
    inst.WithBoard("marnelo.txt", {BoardNote("付箋", 100, 100)})
        .WithBoard("work.txt", {BoardNote("仕事", 100, 100)})
        .WithFile("cmd.txt", "ed notepad.exe\n")
        .WithFile(DayFolder() + "fdir\\work.txt", "this morning's copy");
    {
        HeldFile held(inst.PathOf("fdir\\work.txt"));
        ASSERT_TRUE(held.Held());
        ASSERT_EQ(RunSnapkeep(inst, ""), 0);
        EXPECT_EQ(inst.Read(DayFolder() + "fdir\\work.txt"), "this morning's copy");
        EXPECT_EQ(inst.Read(DayFolder() + "fdir\\marnelo.txt"), inst.Read("fdir\\marnelo.txt"));
        EXPECT_EQ(inst.Read(DayFolder() + "cmd.txt"), "ed notepad.exe\n");
    }
    ASSERT_EQ(RunSnapkeep(inst, ""), 0);
    EXPECT_EQ(inst.Read(DayFolder() + "fdir\\work.txt"), inst.Read("fdir\\work.txt"));

    HeldFile onlyBoard(inst.PathOf("fdir\\marnelo.txt"));
    HeldFile work(inst.PathOf("fdir\\work.txt"));
    HeldFile aliases(inst.PathOf("cmd.txt"));
    EXPECT_EQ(RunSnapkeep(inst, ""), 1) << "nothing could be copied";
    EXPECT_EQ(RunSnapkeep(inst, "/nonsense"), 2);
}
