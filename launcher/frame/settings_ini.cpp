#include "launcher/frame/settings_ini.h"

#include <windows.h>

#include "common/date_stamp.h"
#include "launcher/frame/app_state.h"

void SaveLauncherSettings() {
    ProfileIniStore ini(app.paths.settingsFile);
    if (!WriteSettings(ini, app.settings, DateStamp(LocalNow()))) return;
    std::string backupProgram = app.paths.exeFolder + "snapkeep.exe";
    ShellExecuteA(nullptr, "open", backupProgram.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
