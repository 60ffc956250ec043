#include "utility/model/utility_settings.h"

#include <climits>

#include "common/backup_start.h"
#include "common/sjis.h"

namespace {

Rgb ReadColour(IniStore& ini, const char* section, const Rgb& fallback) {
    // Stored as bytes: the value read, modulo 256.
    auto part = [&](const char* key, unsigned char value) {
        return static_cast<unsigned char>(ReadIniInt(ini, section, key, value));
    };
    return {part("red", fallback.red), part("green", fallback.green), part("blue", fallback.blue)};
}

void WriteColour(IniStore& ini, const char* section, const Rgb& colour) {
    WriteIniInt(ini, section, "red", colour.red);
    WriteIniInt(ini, section, "green", colour.green);
    WriteIniInt(ini, section, "blue", colour.blue);
}

std::string ReadFilter(IniStore& ini, const char* key) {
    std::string value = ini.Read("filter", key, "null");
    if (value == "null") {
        ini.Write("filter", key, "");
        value.clear();
    }
    return FoldAsciiCase(value);
}

// A line break would end the ini line and leave the rest as a stray line of its own.
std::string OneLine(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

const char* const kCommandKeys[4] = {"cmd_F6", "cmd_F7", "cmd_F8", "cmd_F9"};

}  // namespace

UtilitySettings ReadUtilitySettings(IniStore& ini) {
    UtilitySettings s;
    s.top = ReadIniInt(ini, "window", "top", 0);
    s.bottom = ReadIniInt(ini, "window", "bottom", 0);
    s.right = ReadIniInt(ini, "window", "right", 0);
    s.left = ReadIniInt(ini, "window", "left", 0);
    s.sizeHeight = ReadIniInt(ini, "window", "sizeHeight", s.sizeHeight);
    s.sizeWidth = ReadIniInt(ini, "window", "sizeWidth", s.sizeWidth);
    s.addmode = ReadIniInt(ini, "mode", "addmode", s.addmode);
    s.search = ReadIniInt(ini, "mode", "search", s.search);
    s.which = ReadIniInt(ini, "mode", "which", s.which);
    s.textColor1 = ReadColour(ini, "text_color1", s.textColor1);
    s.textColor2 = ReadColour(ini, "text_color2", s.textColor2);
    s.listColor1 = ReadColour(ini, "list_color1", s.listColor1);
    s.listColor2 = ReadColour(ini, "list_color2", s.listColor2);
    s.listcount = ReadIniInt(ini, "etc", "listcount", s.listcount);
    s.timelimit = ReadIniInt(ini, "etc", "timelimit", s.timelimit);
    s.filterdate = ReadIniInt(ini, "etc", "filterdate", s.filterdate);
    s.filterdate2 = ReadIniInt(ini, "etc", "filterdate2", s.filterdate2);
    s.excludeDate = ReadIniInt(ini, "etc", "filterdate3", 0) == 1;
    // While the filter is on there is nothing to remember for it.
    if (s.filterdate != -1) s.filterdate2 = -2;
    s.backup = ReadBackupDate(ini);
    s.nowDir = ini.Read("path", "NowDir", "");
    s.nowTxt = ini.Read("path", "NowTxt", "");
    s.explorerexe = ini.Read("path", "explorerexe", s.explorerexe);
    for (int i = 0; i < 4; ++i) s.commands[i] = ini.Read("cmd", kCommandKeys[i], "");
    s.filterDir = ReadFilter(ini, "filter_dir");
    s.filterFile = ReadFilter(ini, "filter_file");
    return s;
}

std::string DateFilterText(const UtilitySettings& settings) {
    if (settings.filterdate == -1) return "";
    return (settings.excludeDate ? "^" : "") + std::to_string(settings.filterdate);
}

std::optional<ScreenBox> StoredWindowBox(const WindowRect& rect) {
    if (rect.top == 0 && rect.bottom == 0 && rect.right == 0 && rect.left == 0) return std::nullopt;
    long long width = 1LL * rect.right - rect.left, height = 1LL * rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX) return std::nullopt;
    return ScreenBox{rect.left, rect.top, static_cast<int>(width), static_cast<int>(height)};
}

void WriteUtilitySettings(IniStore& ini, UtilitySettings& s,
                          const std::optional<WindowRect>& windowRect) {
    if (windowRect && StoredWindowBox(*windowRect)) {
        s.top = windowRect->top;
        s.bottom = windowRect->bottom;
        s.right = windowRect->right;
        s.left = windowRect->left;
        WriteIniInt(ini, "window", "top", s.top);
        WriteIniInt(ini, "window", "bottom", s.bottom);
        WriteIniInt(ini, "window", "right", s.right);
        WriteIniInt(ini, "window", "left", s.left);
    }
    WriteIniInt(ini, "window", "sizeHeight", s.sizeHeight);
    WriteIniInt(ini, "window", "sizeWidth", s.sizeWidth);
    WriteIniInt(ini, "mode", "addmode", s.addmode);
    WriteIniInt(ini, "mode", "search", s.search);
    WriteIniInt(ini, "mode", "which", s.which);
    ini.Write("path", "NowDir", OneLine(s.nowDir));
    ini.Write("path", "NowTxt", OneLine(s.nowTxt));
    ini.Write("path", "explorerexe", OneLine(s.explorerexe));
    WriteColour(ini, "text_color1", s.textColor1);
    WriteColour(ini, "text_color2", s.textColor2);
    WriteColour(ini, "list_color1", s.listColor1);
    WriteColour(ini, "list_color2", s.listColor2);
    if (s.timelimit < 5) s.timelimit = 5;
    WriteIniInt(ini, "etc", "timelimit", s.timelimit);
    WriteIniInt(ini, "etc", "listcount", s.listcount);
    WriteIniInt(ini, "etc", "filterdate", s.filterdate);
    WriteIniInt(ini, "etc", "filterdate2", s.filterdate2);
    ini.Write("etc", "filterdate3", s.excludeDate ? "1" : "0");
    for (int i = 0; i < 4; ++i) ini.Write("cmd", kCommandKeys[i], OneLine(s.commands[i]));
}

Rgb InputColour(const UtilitySettings& settings) {
    return settings.search != 0 ? settings.textColor1 : settings.textColor2;
}

ListColours ListColoursOf(const UtilitySettings& settings) {
    if (settings.which != 0) return {settings.listColor1, settings.listColor2};
    return {settings.listColor2, settings.listColor1};
}
