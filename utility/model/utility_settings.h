// utility_settings.h — "Quorvel.ini": window place and sizes, matching mode, colours, the date
// filter, the folder and file filters, the saved folder and text, the F6 to F9 commands.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "common/ini_store.h"
#include "common/rgb.h"
#include "common/screen_geometry.h"

struct UtilitySettings {
    int top = 0, bottom = 0, right = 0, left = 0;  // [window]
    int sizeHeight = 150;                          // [window] list view height
    int sizeWidth = 300;                           // [window] board list box width
    int addmode = 0;                               // [mode]
    int search = 1;                                // [mode] 0 prefix matching, else words
    int which = 1;                                 // [mode] which list colour the list view has
    Rgb textColor1{250, 250, 250};                 // input colour with word matching
    Rgb textColor2{180, 180, 180};                 // input colour with prefix matching
    Rgb listColor1{240, 240, 240};
    Rgb listColor2{210, 210, 210};
    int listcount = 20;        // [etc] kept for the file's sake
    int timelimit = 120;       // [etc] kept; at least 5 once saved
    int filterdate = -1;       // [etc] -1: the date filter is off
    int filterdate2 = -2;      // [etc] the value remembered while the filter is off
    bool excludeDate = false;  // [etc] filterdate3 = 1
    std::string backup;        // [etc] date of the last backup start
    std::string nowDir;        // [path] NowDir
    std::string nowTxt;        // [path] NowTxt
    std::string explorerexe = "explorer";
    std::array<std::string, 4> commands;  // [cmd] cmd_F6 .. cmd_F9
    std::string filterDir;                // [filter] filter_dir, lowered
    std::string filterFile;               // [filter] filter_file, lowered
};

struct WindowRect {
    int top = 0, bottom = 0, right = 0, left = 0;
};

// Missing keys keep their defaults. A missing or "null" folder or file filter is written
// back empty, which is how a first start leaves its [filter] section.
UtilitySettings ReadUtilitySettings(IniStore& ini);

// The date filter as the note command box shows it: empty while off, "^" for exclusion.
std::string DateFilterText(const UtilitySettings& settings);

// The input line's colour follows the matching mode.
Rgb InputColour(const UtilitySettings& settings);

// [mode] which 1 gives the list view list_color1 and the board list box list_color2, any other
// value the reverse.
struct ListColours {
    Rgb listView;
    Rgb boardList;
};
ListColours ListColoursOf(const UtilitySettings& settings);

// The window's place as the ini keeps it, in 96-DPI units; none when all four values are zero
// (never saved) or it has no size. Where it lies is judged against the screens of the day.
std::optional<ScreenBox> StoredWindowBox(const WindowRect& rect);

// Writes every key but the filters; the window rectangle when it has a place.
void WriteUtilitySettings(IniStore& ini, UtilitySettings& settings,
                          const std::optional<WindowRect>& windowRect);
