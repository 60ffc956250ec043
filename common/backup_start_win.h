// backup_start_win.h — starting the backup program that lies beside the programs.
#pragma once
#include <string>

// By file name through the shell, with no parameters; nothing depends on its result.
void StartBackupProgram(const std::string& exeFolder);
