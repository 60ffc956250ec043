// The daily backup over a made-up disk: the file set, a held file, the kept days, the refresh
// of the same day, the exit code and the "/list" text.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "snapkeep/backup_plan.h"

namespace {

const std::string kExe = "C:\\app\\";
const std::string kDay = "C:\\app\\snapkeep\\20261209\\";

class FakeDisk : public BackupHost {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders{"C:\\app\\"};
    std::map<std::string, int> heldFor;  // how many more copies of that file find it held
    int pauses = 0;

    std::vector<FolderEntry> List(const std::string& folder) override {
        std::vector<FolderEntry> entries;
        for (const auto& [path, bytes] : files)
            if (IsChild(path, folder)) entries.push_back({path.substr(folder.size()), false});
        for (const std::string& path : folders)
            if (IsChild(path, folder) && path != folder)
                entries.push_back(
                    {path.substr(folder.size(), path.size() - folder.size() - 1), true});
        return entries;
    }
    bool MakeFolder(const std::string& folder) override {
        folders.insert(folder);
        return true;
    }
    CopyOutcome Copy(const std::string& from, const std::string& to) override {
        if (heldFor[from] > 0) return --heldFor[from], CopyOutcome::Held;
        auto it = files.find(from);
        if (it == files.end()) return CopyOutcome::Missing;
        files[to] = it->second;
        return CopyOutcome::Copied;
    }
    void RemoveTree(const std::string& folder) override {
        std::erase_if(files, [&](const auto& f) { return f.first.starts_with(folder); });
        std::erase_if(folders, [&](const std::string& f) { return f.starts_with(folder); });
    }
    void RemoveIfEmpty(const std::string& folder) override {
        if (List(folder).empty()) folders.erase(folder);
    }
    void Pause(int) override { ++pauses; }

    void AddDay(const std::string& day) {
        folders.insert(kExe + "snapkeep\\");
        folders.insert(kExe + "snapkeep\\" + day + "\\");
        files[kExe + "snapkeep\\" + day + "\\fdir\\marnelo.txt"] = day;
    }

  private:
    // A direct entry of `folder`: below it and without a further "\" but a final one.
    static bool IsChild(const std::string& path, const std::string& folder) {
        if (!path.starts_with(folder) || path.size() == folder.size()) return false;
        std::size_t separator = path.find('\\', folder.size());
        return separator == std::string::npos || separator == path.size() - 1;
    }
};

FakeDisk InstalledDisk() {
    FakeDisk disk;
    disk.folders.insert(kExe + "fdir\\");
    disk.folders.insert(kExe + "fdir\\old\\");
    disk.files = {{kExe + "fdir\\marnelo.txt", "board"},
                  {kExe + "fdir\\common.txt", "common"},
                  {kExe + "fdir\\work.txt.tmp~", "half written"},
                  {kExe + "fdir\\old\\marnelo.txt", "deleted"},
                  {kExe + "Marnelo.ini", "[etc]"},
                  {kExe + "cmd.txt", "ed notepad"},
                  {kExe + "data.txt", "Quorvel's export"},
                  {kExe + "marnelolog\\20261208.log", "log"}};
    disk.folders.insert(kExe + "marnelolog\\");
    return disk;
}

}  // namespace

TEST(Snapkeep, CopiesTheNotesAndSettingsOnlyAndLeavesHalfWrittenFilesOut) {
    FakeDisk disk = InstalledDisk();
    BackupReport report = RunBackup(disk, kExe, "20261209");
    EXPECT_EQ(ExitCodeOf(report), 0);
    EXPECT_EQ(disk.files[kDay + "fdir\\marnelo.txt"], "board");
    EXPECT_EQ(disk.files[kDay + "fdir\\common.txt"], "common");
    EXPECT_EQ(disk.files[kDay + "fdir\\old\\marnelo.txt"], "deleted");
    EXPECT_EQ(disk.files[kDay + "Marnelo.ini"], "[etc]");
    EXPECT_EQ(disk.files[kDay + "cmd.txt"], "ed notepad");
    for (const char* left : {"fdir\\work.txt.tmp~", "data.txt", "marnelolog\\20261208.log",
                             "Quorvel.ini", "filelist.txt"})
        EXPECT_FALSE(disk.files.contains(kDay + left)) << left;
    EXPECT_EQ(report.copied.size(), 5u);
    EXPECT_TRUE(report.skipped.empty()) << "a missing optional file is no failure";
}

TEST(Snapkeep, HeldFileIsWaitedForBrieflyThenSkippedWhileTheOthersAreCopied) {
    FakeDisk disk = InstalledDisk();
    disk.heldFor[kExe + "fdir\\common.txt"] = kHeldAttempts - 1;  // let go just in time
    disk.heldFor[kExe + "fdir\\marnelo.txt"] = 1000;
    disk.files[kDay + "fdir\\marnelo.txt"] = "this morning's copy";
    BackupReport report = RunBackup(disk, kExe, "20261209");
    EXPECT_EQ(ExitCodeOf(report), 0);
    EXPECT_EQ(disk.files[kDay + "fdir\\common.txt"], "common");
    EXPECT_EQ(disk.files[kDay + "fdir\\marnelo.txt"], "this morning's copy");
    EXPECT_EQ(report.skipped, std::vector<std::string>{"fdir\\marnelo.txt"});
    EXPECT_EQ(disk.pauses, 2 * (kHeldAttempts - 1));
}

TEST(Snapkeep, NothingCopiedFailsKeepsEveryOldDayAndLeavesNoEmptyDay) {
    FakeDisk disk;
    disk.folders.insert(kExe + "fdir\\");
    disk.files[kExe + "fdir\\marnelo.txt"] = "board";
    disk.heldFor[kExe + "fdir\\marnelo.txt"] = 1000;
    for (int day = 1; day <= 31; ++day)
        disk.AddDay("202510" + std::string(day < 10 ? "0" : "") + std::to_string(day));
    EXPECT_EQ(ExitCodeOf(RunBackup(disk, kExe, "20261209")), 1);
    EXPECT_EQ(KeptDays(disk.List(kExe + "snapkeep\\")).size(), 31u);

    FakeDisk empty;
    EXPECT_EQ(ExitCodeOf(RunBackup(empty, kExe, "20261209")), 0) << "nothing to keep is no failure";
}

TEST(Snapkeep, KeepsTheNewestThirtyDaysTodayIncludedAndOnlyDayFolders) {
    FakeDisk disk = InstalledDisk();
    for (int day = 1; day <= 31; ++day)
        disk.AddDay("202510" + std::string(day < 10 ? "0" : "") + std::to_string(day));
    disk.folders.insert(kExe + "snapkeep\\19991301\\");  // no month 13: not a day
    disk.folders.insert(kExe + "snapkeep\\mine\\");
    disk.files[kExe + "snapkeep\\20250101"] = "a file named like a day";
    BackupReport report = RunBackup(disk, kExe, "20261209");
    EXPECT_EQ(report.removedDays, (std::vector<std::string>{"20251002", "20251001"}));
    std::vector<std::string> kept = KeptDays(disk.List(kExe + "snapkeep\\"));
    ASSERT_EQ(kept.size(), 30u);
    EXPECT_EQ(kept.front(), "20261209");
    EXPECT_EQ(kept.back(), "20251003");
    EXPECT_TRUE(disk.folders.contains(kExe + "snapkeep\\19991301\\"));
    EXPECT_TRUE(disk.folders.contains(kExe + "snapkeep\\mine\\"));
    EXPECT_TRUE(disk.files.contains(kExe + "snapkeep\\20250101"));
}

TEST(Snapkeep, DayNamesRequestsAndTheListText) {
    struct Case {
        const char* name;
        bool day;
    };
    const Case names[] = {{"20261209", true},  {"20260101", true},   {"20261231", true},
                          {"20261301", false}, {"20261200", false},  {"20260132", false},
                          {"2026129", false},  {"202612091", false}, {"2026120a", false}};
    for (const Case& c : names) EXPECT_EQ(IsDayName(c.name), c.day) << c.name;

    EXPECT_EQ(RequestOf(""), Request::Backup);
    EXPECT_EQ(RequestOf("  "), Request::Backup);
    EXPECT_EQ(RequestOf("/list"), Request::List);
    EXPECT_EQ(RequestOf(" -LIST "), Request::List);
    EXPECT_EQ(RequestOf("/lists"), Request::Unknown);
    EXPECT_EQ(RequestOf("list"), Request::Unknown);

    std::vector<FolderEntry> entries = {
        {"20261208", true}, {"20261209", true}, {"old", true}, {"20261207", false}};
    EXPECT_EQ(DayListText(entries, "C:\\app\\"),
              "2026/12/09  C:\\app\\snapkeep\\20261209\\\r\n"
              "2026/12/08  C:\\app\\snapkeep\\20261208\\\r\n");
    EXPECT_EQ(DayListText({}, "C:\\app\\"), "保存された日はありません。\r\n");
}
