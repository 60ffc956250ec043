// backup_plan.h — one run of the daily backup: which files are copied into the day's folder,
// how a held file is waited for, which old days are removed, what "/list" prints and the exit
// code. The file system is an interface, so the rules also run over a made-up one.
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct FolderEntry {
    std::string name;
    bool folder = false;
};

enum class CopyOutcome { Copied, Missing, Held, Failed };

class BackupHost {
  public:
    virtual ~BackupHost() = default;
    // The entries of `folder` (ends in "\") without "." and ".."; empty when it cannot be read.
    virtual std::vector<FolderEntry> List(const std::string& folder) = 0;
    // An existing folder is no error.
    virtual bool MakeFolder(const std::string& folder) = 0;
    // `to` ends up holding either its old content or the whole of `from`, never a part of it.
    virtual CopyOutcome Copy(const std::string& from, const std::string& to) = 0;
    virtual void RemoveTree(const std::string& folder) = 0;
    // Removes `folder` only when it holds nothing.
    virtual void RemoveIfEmpty(const std::string& folder) = 0;
    virtual void Pause(int ms) = 0;
};

// The days' folders stand in this folder of the program's folder.
inline constexpr char kBackupFolder[] = "snapkeep\\";
inline constexpr int kKeptDays = 30;
// Both programs hold their files unshared for a few milliseconds while they read or replace
// them; a file held longer than this belongs to someone else and is left for tomorrow.
inline constexpr int kHeldAttempts = 5;
inline constexpr int kHeldPauseMs = 100;

struct BackupReport {
    std::vector<std::string> copied;   // paths relative to the program's folder
    std::vector<std::string> skipped;  // held or unreadable
    std::vector<std::string> removedDays;
};

// "YYYYMMDD" with a month 01..12 and a day 01..31.
bool IsDayName(std::string_view name);

// The day folders among `entries`, newest first; files and other names are no day.
std::vector<std::string> KeptDays(const std::vector<FolderEntry>& entries);

// The day folders beyond the newest `keep`, oldest last.
std::vector<std::string> DaysToRemove(const std::vector<FolderEntry>& entries, int keep);

// Copies the users' files of `exeFolder` (ends in "\") into exeFolder\snapkeep\<today>\, then
// removes the days beyond the newest kKeptDays, but only after a run that kept something: a
// failing backup must not cut the good copies of earlier days.
BackupReport RunBackup(BackupHost& host, const std::string& exeFolder, const std::string& today);

// 0, or 1 when there was something to copy and none of it could be.
int ExitCodeOf(const BackupReport& report);

enum class Request { Backup, List, Unknown };

// The command tail: empty for the daily run, "/list" (any letter case, "-list" too) for the
// listing. Anything else does nothing, so a mistyped option never starts a copy.
Request RequestOf(std::string_view tail);

// One line per kept day, newest first: "2026/12/09  <exeFolder>snapkeep\20261209\", CR LF ended;
// one line saying so when no day is kept.
std::string DayListText(const std::vector<FolderEntry>& snapkeepEntries,
                        const std::string& exeFolder);
