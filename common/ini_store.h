// ini_store.h — a settings file as the settings code of both programs sees it, so that the
// code reading and writing the keys is tested without the system's profile functions.
#pragma once
#include <string>

#include "common/int_values.h"

class IniStore {
  public:
    virtual ~IniStore() = default;
    // The value of the key, or `fallback` when the key is missing.
    virtual std::string Read(const char* section, const char* key, const std::string& fallback) = 0;
    virtual void Write(const char* section, const char* key, const std::string& value) = 0;
};

// Integers are stored as their decimal text.
inline int ReadIniInt(IniStore& ini, const char* section, const char* key, int fallback) {
    return ParseDecimalInt(ini.Read(section, key, std::to_string(fallback)));
}

inline void WriteIniInt(IniStore& ini, const char* section, const char* key, int value) {
    ini.Write(section, key, std::to_string(value));
}
