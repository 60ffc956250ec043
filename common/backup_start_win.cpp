#include "common/backup_start_win.h"

#include <windows.h>
#include <shellapi.h>

#include "common/backup_start.h"

void StartBackupProgram(const std::string& exeFolder) {
    std::string program = BackupProgramPath(exeFolder);
    ShellExecuteA(nullptr, "open", program.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
