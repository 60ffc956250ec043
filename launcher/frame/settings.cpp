#include "launcher/frame/settings.h"

#include "common/backup_start.h"
#include "common/sjis.h"
#include "launcher/notes/note_file.h"

namespace {

const char* const kBufferKeys[8] = {"cmbstate3",   "cmbstate3_0", "cmbstate3_1", "cmbstate3_2",
                                    "cmbstate3_3", "cmbstate3_4", "cmbstate3_5", "cmbstate3_6"};

}  // namespace

LauncherSettings ReadSettings(IniStore& ini) {
    LauncherSettings s;
    s.extensions = CutAtCharBoundary(ini.Read("img", "kakucho2", s.extensions), kExtensionsLimit);
    s.backup = ReadBackupDate(ini);
    s.lineHeight = ReadIniInt(ini, "window2", "height", s.lineHeight);
    s.charWidth = ReadIniInt(ini, "window2", "width", s.charWidth);
    s.fontSize = ReadIniInt(ini, "window", "font", s.fontSize);
    s.transparency = ReadIniInt(ini, "window", "trans", s.transparency);
    s.clickTime = ReadIniInt(ini, "window", "time", s.clickTime);
    s.defaultX = ReadIniInt(ini, "window", "DefaultX", s.defaultX);
    s.defaultY = ReadIniInt(ini, "window", "DefaultY", s.defaultY);
    s.attributeKind = ReadIniInt(ini, "etc", "cmbstate2", s.attributeKind);
    for (int i = 0; i < 8; ++i)
        s.attributeBuffer[i] = ReadIniInt(ini, "etc", kBufferKeys[i], s.attributeBuffer[i]);
    return s;
}

bool WriteSettings(IniStore& ini, LauncherSettings& s, const std::string& today) {
    WriteIniInt(ini, "window2", "height", s.lineHeight);
    WriteIniInt(ini, "window2", "width", s.charWidth);
    WriteIniInt(ini, "window", "font", s.fontSize);
    WriteIniInt(ini, "window", "trans", s.transparency);
    WriteIniInt(ini, "window", "time", s.clickTime);
    WriteIniInt(ini, "window", "DefaultX", s.defaultX);
    WriteIniInt(ini, "window", "DefaultY", s.defaultY);
    WriteIniInt(ini, "etc", "cmbstate2", s.attributeKind);
    for (int i = 0; i < 8; ++i) WriteIniInt(ini, "etc", kBufferKeys[i], s.attributeBuffer[i]);
    ini.Write("img", "kakucho2", s.extensions);
    return TakeBackupTurn(ini, s.backup, today);
}

NewNoteSettings NewNoteSettingsOf(const LauncherSettings& s) {
    NewNoteSettings n;
    n.fontSize = s.fontSize;
    n.transparency = s.transparency;
    n.miniWidth = s.defaultX;
    n.miniHeight = s.defaultY;
    n.lineHeight = s.lineHeight;
    n.charWidth = s.charWidth;
    return n;
}
