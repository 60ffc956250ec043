#include "launcher/win/settings_ini_win.h"

#include <windows.h>

#include "common/backup_start_win.h"
#include "common/date_stamp.h"
#include "launcher/win/app_state_win.h"

void SaveLauncherSettings() {
    ProfileIniStore ini(marnelo.paths.settingsFile);
    if (WriteSettings(ini, marnelo.settings, DateStamp(LocalNow())))
        StartBackupProgram(marnelo.paths.exeFolder);
}
