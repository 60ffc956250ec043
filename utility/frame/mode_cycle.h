// mode_cycle.h — F10 steps the mode state through normal, history, number input and folder
// size display; each step names the mode in the title and the status bar.
#pragma once
#include <string>

inline constexpr int kModeNormal = 1;
inline constexpr int kModeHistory = 10;  // the board list box shows the day's history folders
inline constexpr int kModeNumberInput = 13;
inline constexpr int kModeFolderSize = 14;

struct ModeStep {
    int modeState = kModeNormal;
    std::string title;       // the main window's title
    std::string statusText;  // the status bar's second part; empty clears it
    bool refreshLists = true;
};

// From 1 to 10, 13 and 14; from 14, and from any state outside the cycle, back to 1.
ModeStep CycleMode(int modeState);
