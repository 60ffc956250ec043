// backup_start.h — the backup program beside both programs is started at most once a calendar
// day, by whichever program saves; the value "-1" in either settings file switches it off there.
#pragma once
#include <cstddef>
#include <string>

#include "common/ini_store.h"

// The date of the last start as the settings file holds it: eight digits, at most 8 bytes.
inline constexpr std::size_t kBackupLimit = 8;
std::string ReadBackupDate(IniStore& ini);

// Due unless today is remembered already or the remembered value is "-1".
bool BackupDue(const std::string& remembered, const std::string& today);

// When due: writes today as [etc] backup and remembers it, and returns true; the program is
// started after the date is written, so a failed start is not tried again the same day.
bool TakeBackupTurn(IniStore& ini, std::string& remembered, const std::string& today);

// The backup program beside the programs in `exeFolder` (which ends in a backslash).
std::string BackupProgramPath(const std::string& exeFolder);
