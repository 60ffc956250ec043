#include <windows.h>

#include "common/profile_ini.h"

// A value of any length: the buffer grows until the value fits.
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
