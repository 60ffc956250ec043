// settings_ini.h — the settings file through the system's private profile functions.
#pragma once
#include <string>

#include "launcher/frame/settings.h"

class ProfileIniStore : public IniStore {
  public:
    explicit ProfileIniStore(std::string file) : file_(std::move(file)) {}
    std::string Read(const char* section, const char* key, const std::string& fallback) override;
    void Write(const char* section, const char* key, const std::string& value) override;

  private:
    std::string file_;
};

// Writes the settings after a board save; starts the backup program once a day.
void SaveLauncherSettings();
