// kept_files_win.h — Quorvel's files beside its executable: the settings file, the list exports,
// the day's history and the command log.
#pragma once
#include <string>

#include "utility/model/utility_settings.h"

std::string TodayStamp();

// The day's history, added to the pairs already held.
void ReadTodayRecent();

// The day's history as it stands, so that a pair taken out does not come back with the next
// reading of the day's file.
void SaveRecentFile();

// The stamps and bookmarks of earlier runs; read once at start-up, since a reload of the lists
// must not drop what was added since.
void ReadStampsAndBookmarks();

// Writes the list files, the window place and every setting, and starts the backup program
// once a day.
void SaveState();

// One line of the day's log of started commands.
void LogCommand(const std::string& line);
