#include "snapkeep/backup_plan.h"

#include <algorithm>
#include <functional>

#include "common/file_names.h"
#include "snapkeep/resources/texts.h"

namespace {

// The files both programs keep beside themselves and cannot rebuild: the boards, the deleted
// notes, the outside board list, the aliases and both settings files.
constexpr const char* kSingleFiles[] = {kOutsideListName, "cmd.txt", "Marnelo.ini", "Quorvel.ini"};
const std::string kNoteFolders[] = {std::string(kDataFolderName) + "\\",
                                    std::string(kDeletedFolderName) + "\\"};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int Number(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

CopyOutcome CopyWaitingForHolder(BackupHost& host, const std::string& from, const std::string& to) {
    CopyOutcome outcome = host.Copy(from, to);
    for (int attempt = 1; outcome == CopyOutcome::Held && attempt < kHeldAttempts; ++attempt) {
        host.Pause(kHeldPauseMs);
        outcome = host.Copy(from, to);
    }
    return outcome;
}

std::vector<std::string> FilesToCopy(BackupHost& host, const std::string& exeFolder) {
    std::vector<std::string> files(std::begin(kSingleFiles), std::end(kSingleFiles));
    for (const std::string& folder : kNoteFolders) {
        for (const FolderEntry& entry : host.List(exeFolder + folder))
            if (!entry.folder && !IsTemporaryName(entry.name)) files.push_back(folder + entry.name);
    }
    return files;
}

}  // namespace

bool IsDayName(std::string_view name) {
    if (name.size() != 8 || !std::all_of(name.begin(), name.end(), IsDigit)) return false;
    int month = Number(name.substr(4, 2));
    int day = Number(name.substr(6, 2));
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::vector<std::string> KeptDays(const std::vector<FolderEntry>& entries) {
    std::vector<std::string> days;
    for (const FolderEntry& entry : entries)
        if (entry.folder && IsDayName(entry.name)) days.push_back(entry.name);
    // Fixed-width digits: the text order is the date order.
    std::sort(days.begin(), days.end(), std::greater<>());
    return days;
}

std::vector<std::string> DaysToRemove(const std::vector<FolderEntry>& entries, int keep) {
    std::vector<std::string> days = KeptDays(entries);
    if (static_cast<int>(days.size()) <= keep) return {};
    return {days.begin() + keep, days.end()};
}

BackupReport RunBackup(BackupHost& host, const std::string& exeFolder, const std::string& today) {
    BackupReport report;
    std::string backups = exeFolder + kBackupFolder;
    std::string dayFolder = backups + today + "\\";
    bool foldersMade = host.MakeFolder(backups) && host.MakeFolder(dayFolder);
    for (const std::string& folder : kNoteFolders)
        foldersMade = foldersMade && host.MakeFolder(dayFolder + folder);
    for (const std::string& file : FilesToCopy(host, exeFolder)) {
        CopyOutcome outcome = foldersMade
                                  ? CopyWaitingForHolder(host, exeFolder + file, dayFolder + file)
                                  : CopyOutcome::Failed;
        if (outcome == CopyOutcome::Copied) report.copied.push_back(file);
        if (outcome == CopyOutcome::Held || outcome == CopyOutcome::Failed)
            report.skipped.push_back(file);
    }
    if (ExitCodeOf(report) != 0) {
        // An empty folder would count as a kept day and push a real one out tomorrow.
        host.RemoveIfEmpty(dayFolder + kNoteFolders[1]);
        host.RemoveIfEmpty(dayFolder + kNoteFolders[0]);
        host.RemoveIfEmpty(dayFolder);
        return report;
    }
    for (const std::string& day : DaysToRemove(host.List(backups), kKeptDays)) {
        host.RemoveTree(backups + day + "\\");
        report.removedDays.push_back(day);
    }
    return report;
}

int ExitCodeOf(const BackupReport& report) {
    return report.copied.empty() && !report.skipped.empty() ? 1 : 0;
}

Request RequestOf(std::string_view tail) {
    while (!tail.empty() && (tail.back() == ' ' || tail.back() == '\t')) tail.remove_suffix(1);
    while (!tail.empty() && (tail.front() == ' ' || tail.front() == '\t')) tail.remove_prefix(1);
    if (tail.empty()) return Request::Backup;
    if (tail.size() != 5 || (tail[0] != '/' && tail[0] != '-')) return Request::Unknown;
    std::string word;
    for (char c : tail.substr(1)) word += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    return word == "list" ? Request::List : Request::Unknown;
}

std::string DayListText(const std::vector<FolderEntry>& snapkeepEntries,
                        const std::string& exeFolder) {
    std::vector<std::string> days = KeptDays(snapkeepEntries);
    if (days.empty()) return kNoDaysText;
    std::string text;
    for (const std::string& day : days) {
        text += day.substr(0, 4) + "/" + day.substr(4, 2) + "/" + day.substr(6, 2) + "  ";
        text += exeFolder + kBackupFolder + day + "\\\r\n";
    }
    return text;
}
