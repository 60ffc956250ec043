#include "common/backup_start_win.h"

#include <windows.h>
#include <shellapi.h>

void StartBackupProgram(const std::string& exeFolder) {
    std::string program = exeFolder + "snapkeep.exe";
    ShellExecuteA(nullptr, "open", program.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
