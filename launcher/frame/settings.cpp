#include "launcher/frame/settings.h"

#include "common/sjis.h"
#include "launcher/notes/note_file.h"

namespace {

const char* const kBufferKeys[8] = {"cmbstate3",   "cmbstate3_0", "cmbstate3_1", "cmbstate3_2",
                                    "cmbstate3_3", "cmbstate3_4", "cmbstate3_5", "cmbstate3_6"};

// The first `limit` bytes, one less when that would split a double-byte character.
std::string CutAtCharacter(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) return text;
    return text.substr(0, IsCharBoundary(text, limit) ? limit : limit - 1);
}

int ReadInt(IniStore& ini, const char* section, const char* key, int fallback) {
    return ParseIntField(ini.Read(section, key, std::to_string(fallback)));
}

void WriteInt(IniStore& ini, const char* section, const char* key, int value) {
    ini.Write(section, key, std::to_string(value));
}

}  // namespace

LauncherSettings ReadSettings(IniStore& ini) {
    LauncherSettings s;
    s.extensions = CutAtCharacter(ini.Read("img", "kakucho2", s.extensions), kExtensionsLimit);
    s.backup = CutAtCharacter(ini.Read("etc", "backup", s.backup), kBackupLimit);
    s.lineHeight = ReadInt(ini, "window2", "height", s.lineHeight);
    s.charWidth = ReadInt(ini, "window2", "width", s.charWidth);
    s.fontSize = ReadInt(ini, "window", "font", s.fontSize);
    s.transparency = ReadInt(ini, "window", "trans", s.transparency);
    s.clickTime = ReadInt(ini, "window", "time", s.clickTime);
    s.defaultX = ReadInt(ini, "window", "DefaultX", s.defaultX);
    s.defaultY = ReadInt(ini, "window", "DefaultY", s.defaultY);
    s.attributeKind = ReadInt(ini, "etc", "cmbstate2", s.attributeKind);
    for (int i = 0; i < 8; ++i)
        s.attributeBuffer[i] = ReadInt(ini, "etc", kBufferKeys[i], s.attributeBuffer[i]);
    return s;
}

bool BackupDue(const std::string& remembered, const std::string& today) {
    return remembered != today && remembered != "-1";
}

bool WriteSettings(IniStore& ini, LauncherSettings& s, const std::string& today) {
    WriteInt(ini, "window2", "height", s.lineHeight);
    WriteInt(ini, "window2", "width", s.charWidth);
    WriteInt(ini, "window", "font", s.fontSize);
    WriteInt(ini, "window", "trans", s.transparency);
    WriteInt(ini, "window", "time", s.clickTime);
    WriteInt(ini, "window", "DefaultX", s.defaultX);
    WriteInt(ini, "window", "DefaultY", s.defaultY);
    WriteInt(ini, "etc", "cmbstate2", s.attributeKind);
    for (int i = 0; i < 8; ++i) WriteInt(ini, "etc", kBufferKeys[i], s.attributeBuffer[i]);
    ini.Write("img", "kakucho2", s.extensions);
    if (!BackupDue(s.backup, today)) return false;
    ini.Write("etc", "backup", today);
    s.backup = today;
    return true;
}
