#include "common/backup_start.h"

bool BackupDue(const std::string& remembered, const std::string& today) {
    return remembered != today && remembered != "-1";
}

bool TakeBackupTurn(IniStore& ini, std::string& remembered, const std::string& today) {
    if (!BackupDue(remembered, today)) return false;
    ini.Write("etc", "backup", today);
    remembered = today;
    return true;
}
