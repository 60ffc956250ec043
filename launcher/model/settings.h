// settings.h — "Marnelo.ini": the defaults of new notes, the click timing, the attribute tool's
// state, the picture extensions and the date of the last daily backup start.
#pragma once
#include <array>
#include <string>

#include "common/ini_store.h"
#include "launcher/model/new_note.h"

// The new-note values are the base: a new note reads them straight from the settings.
struct LauncherSettings : NewNoteSettings {
    std::string extensions = ".bmp.png.gif.jpg.jpeg.tiff.txt";  // [img] kakucho2
    std::string backup;                                         // [etc] backup, "-1" = never
    int clickTime = 150;                                        // [window] time
    int attributeKind = 0;                                      // [etc] cmbstate2
    std::array<int, 8> attributeBuffer{};                       // cmbstate3, cmbstate3_0.._6
};

inline constexpr std::size_t kExtensionsLimit = 127;

// Reads every key in the file's fixed order; a missing key keeps its default, a value that is
// not a number reads as 0, nothing is range-checked.
LauncherSettings ReadSettings(IniStore& ini);

// Writes every value back (so missing keys are filled in), then takes the day's backup turn.
// Returns true when the backup program is to be started now: the date is written first.
bool WriteSettings(IniStore& ini, LauncherSettings& settings, const std::string& today);
