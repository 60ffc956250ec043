#include "utility/frame/utility_settings.h"

#include <climits>

#include "common/sjis.h"

namespace {

int ReadInt(IniStore& ini, const char* section, const char* key, int fallback) {
    return ParseSettingInt(ini.Read(section, key, std::to_string(fallback)));
}

Rgb ReadColour(IniStore& ini, const char* section, const Rgb& fallback) {
    // Stored as bytes: the value read, modulo 256.
    auto part = [&](const char* key, unsigned char value) {
        return static_cast<unsigned char>(ReadInt(ini, section, key, value));
    };
    return {part("red", fallback.red), part("green", fallback.green), part("blue", fallback.blue)};
}

void WriteInt(IniStore& ini, const char* section, const char* key, int value) {
    ini.Write(section, key, std::to_string(value));
}

void WriteColour(IniStore& ini, const char* section, const Rgb& colour) {
    WriteInt(ini, section, "red", colour.red);
    WriteInt(ini, section, "green", colour.green);
    WriteInt(ini, section, "blue", colour.blue);
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

int ParseSettingInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

UtilitySettings ReadUtilitySettings(IniStore& ini) {
    UtilitySettings s;
    s.top = ReadInt(ini, "window", "top", 0);
    s.bottom = ReadInt(ini, "window", "bottom", 0);
    s.right = ReadInt(ini, "window", "right", 0);
    s.left = ReadInt(ini, "window", "left", 0);
    s.sizeHeight = ReadInt(ini, "window", "sizeHeight", s.sizeHeight);
    s.sizeWidth = ReadInt(ini, "window", "sizeWidth", s.sizeWidth);
    s.addmode = ReadInt(ini, "mode", "addmode", s.addmode);
    s.search = ReadInt(ini, "mode", "search", s.search);
    s.which = ReadInt(ini, "mode", "which", s.which);
    s.textColor1 = ReadColour(ini, "text_color1", s.textColor1);
    s.textColor2 = ReadColour(ini, "text_color2", s.textColor2);
    s.listColor1 = ReadColour(ini, "list_color1", s.listColor1);
    s.listColor2 = ReadColour(ini, "list_color2", s.listColor2);
    s.listcount = ReadInt(ini, "etc", "listcount", s.listcount);
    s.timelimit = ReadInt(ini, "etc", "timelimit", s.timelimit);
    s.filterdate = ReadInt(ini, "etc", "filterdate", s.filterdate);
    s.filterdate2 = ReadInt(ini, "etc", "filterdate2", s.filterdate2);
    s.excludeDate = ReadInt(ini, "etc", "filterdate3", 0) == 1;
    // While the filter is on there is nothing to remember for it.
    if (s.filterdate != -1) s.filterdate2 = -2;
    s.backup = ini.Read("etc", "backup", "").substr(0, kBackupLimit);
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

bool WindowRectUsable(const WindowRect& rect) {
    if (rect.top == 0 && rect.bottom == 0 && rect.right == 0 && rect.left == 0) return false;
    for (int value : {rect.top, rect.bottom, rect.right, rect.left})
        if (value < -50 || value >= 1500) return false;
    return true;
}

void WriteUtilitySettings(IniStore& ini, UtilitySettings& s,
                          const std::optional<WindowRect>& windowRect) {
    if (windowRect && WindowRectUsable(*windowRect)) {
        s.top = windowRect->top;
        s.bottom = windowRect->bottom;
        s.right = windowRect->right;
        s.left = windowRect->left;
        WriteInt(ini, "window", "top", s.top);
        WriteInt(ini, "window", "bottom", s.bottom);
        WriteInt(ini, "window", "right", s.right);
        WriteInt(ini, "window", "left", s.left);
    }
    WriteInt(ini, "window", "sizeHeight", s.sizeHeight);
    WriteInt(ini, "window", "sizeWidth", s.sizeWidth);
    WriteInt(ini, "mode", "addmode", s.addmode);
    WriteInt(ini, "mode", "search", s.search);
    WriteInt(ini, "mode", "which", s.which);
    ini.Write("path", "NowDir", OneLine(s.nowDir));
    ini.Write("path", "NowTxt", OneLine(s.nowTxt));
    ini.Write("path", "explorerexe", OneLine(s.explorerexe));
    WriteColour(ini, "text_color1", s.textColor1);
    WriteColour(ini, "text_color2", s.textColor2);
    WriteColour(ini, "list_color1", s.listColor1);
    WriteColour(ini, "list_color2", s.listColor2);
    if (s.timelimit < 5) s.timelimit = 5;
    WriteInt(ini, "etc", "timelimit", s.timelimit);
    WriteInt(ini, "etc", "listcount", s.listcount);
    WriteInt(ini, "etc", "filterdate", s.filterdate);
    WriteInt(ini, "etc", "filterdate2", s.filterdate2);
    ini.Write("etc", "filterdate3", s.excludeDate ? "1" : "0");
    for (int i = 0; i < 4; ++i) ini.Write("cmd", kCommandKeys[i], OneLine(s.commands[i]));
}

bool TakeBackupTurn(IniStore& ini, UtilitySettings& settings, const std::string& today) {
    if (settings.backup == today) return false;
    ini.Write("etc", "backup", today);
    settings.backup = today;
    return true;
}
