// mode_cycle.h — F10 steps the mode state through normal, history, number input and folder
// size display; each step names the mode in the title and the status bar.
#pragma once
#include <string>

// Shift+Esc leaves Plain, which the first F10 takes to Normal like any state outside the cycle.
enum class ModeState : int {
    Plain = 0,
    Normal = 1,
    History = 10,  // the board list box shows the day's history folders
    NumberInput = 13,
    FolderSize = 14,
    Quit = 99,  // ends the message loop
};

struct ModeStep {
    ModeState modeState = ModeState::Normal;
    std::string title;       // the main window's title
    std::string statusText;  // the status bar's second part; empty clears it
    bool refreshLists = true;
};

// From 1 to 10, 13 and 14; from 14, and from any state outside the cycle, back to 1.
ModeStep CycleMode(ModeState modeState);
