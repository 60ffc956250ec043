// profile_ini.h — a settings file through the system's private profile functions.
#pragma once
#include <string>

#include "common/ini_store.h"

class ProfileIniStore : public IniStore {
  public:
    explicit ProfileIniStore(std::string file) : file_(std::move(file)) {}
    std::string Read(const char* section, const char* key, const std::string& fallback) override;
    void Write(const char* section, const char* key, const std::string& value) override;

  private:
    std::string file_;
};
