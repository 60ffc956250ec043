#include "launcher/frame/settings_ini.h"

#include <windows.h>

#include "common/date_stamp.h"
#include "launcher/frame/app_state.h"

std::string ProfileIniStore::Read(const char* section, const char* key,
                                  const std::string& fallback) {
    std::string value(256, '\0');
    for (;;) {
        DWORD length = GetPrivateProfileStringA(section, key, fallback.c_str(), value.data(),
                                                static_cast<DWORD>(value.size()), file_.c_str());
        if (length + 1 < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(value.size() * 2);
    }
}

void ProfileIniStore::Write(const char* section, const char* key, const std::string& value) {
    WritePrivateProfileStringA(section, key, value.c_str(), file_.c_str());
}

void SaveLauncherSettings() {
    ProfileIniStore ini(app.paths.settingsFile);
    if (!WriteSettings(ini, app.settings, DateStamp(LocalNow()))) return;
    std::string backupProgram = app.paths.exeFolder + "snapkeep.exe";
    ShellExecuteA(nullptr, "open", backupProgram.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
