#include "common/backup_start.h"

#include "common/sjis.h"

std::string ReadBackupDate(IniStore& ini) {
    return CutAtCharBoundary(ini.Read("etc", "backup", ""), kBackupLimit);
}

bool BackupDue(const std::string& remembered, const std::string& today) {
    return remembered != today && remembered != "-1";
}

bool TakeBackupTurn(IniStore& ini, std::string& remembered, const std::string& today) {
    if (!BackupDue(remembered, today)) return false;
    ini.Write("etc", "backup", today);
    remembered = today;
    return true;
}

std::string BackupProgramPath(const std::string& exeFolder) {
    return exeFolder + "snapkeep.exe";
}
