#include "launcher/model/settings.h"

#include "common/backup_start.h"
#include "common/sjis.h"
#include "launcher/model/note_file.h"

namespace {

// The integer keys, read and written in this order.
struct IntKey {
    const char* section;
    const char* key;
    int LauncherSettings::*value;
};
const IntKey kIntKeys[] = {{"window2", "height", &LauncherSettings::lineHeight},
                           {"window2", "width", &LauncherSettings::charWidth},
                           {"window", "font", &LauncherSettings::fontSize},
                           {"window", "trans", &LauncherSettings::transparency},
                           {"window", "time", &LauncherSettings::clickTime},
                           {"window", "DefaultX", &LauncherSettings::miniWidth},
                           {"window", "DefaultY", &LauncherSettings::miniHeight},
                           {"etc", "cmbstate2", &LauncherSettings::attributeKind}};

const char* const kBufferKeys[8] = {"cmbstate3",   "cmbstate3_0", "cmbstate3_1", "cmbstate3_2",
                                    "cmbstate3_3", "cmbstate3_4", "cmbstate3_5", "cmbstate3_6"};

}  // namespace

LauncherSettings ReadSettings(IniStore& ini) {
    LauncherSettings s;
    s.extensions = CutAtCharBoundary(ini.Read("img", "kakucho2", s.extensions), kExtensionsLimit);
    s.backup = ReadBackupDate(ini);
    for (const IntKey& k : kIntKeys) s.*k.value = ReadIniInt(ini, k.section, k.key, s.*k.value);
    for (int i = 0; i < 8; ++i)
        s.attributeBuffer[i] = ReadIniInt(ini, "etc", kBufferKeys[i], s.attributeBuffer[i]);
    return s;
}

bool WriteSettings(IniStore& ini, LauncherSettings& s, const std::string& today) {
    for (const IntKey& k : kIntKeys) WriteIniInt(ini, k.section, k.key, s.*k.value);
    for (int i = 0; i < 8; ++i) WriteIniInt(ini, "etc", kBufferKeys[i], s.attributeBuffer[i]);
    ini.Write("img", "kakucho2", s.extensions);
    return TakeBackupTurn(ini, s.backup, today);
}
