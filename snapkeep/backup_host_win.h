// backup_host_win.h — the daily backup over the real file system.
#pragma once
#include "snapkeep/backup_plan.h"

class SystemBackupHost : public BackupHost {
  public:
    std::vector<FolderEntry> List(const std::string& folder) override;
    bool MakeFolder(const std::string& folder) override;
    CopyOutcome Copy(const std::string& from, const std::string& to) override;
    void RemoveTree(const std::string& folder) override;
    void RemoveIfEmpty(const std::string& folder) override;
    void Pause(int ms) override;
};
