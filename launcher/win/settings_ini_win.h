// settings_ini_win.h — Marnelo's settings file after a board save.
#pragma once
#include "common/profile_ini.h"
#include "launcher/model/settings.h"

// Writes the settings after a board save; starts the backup program once a day.
void SaveLauncherSettings();
