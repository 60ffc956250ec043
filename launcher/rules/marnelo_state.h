// marnelo_state.h — what Marnelo knows while it runs, apart from its windows and the notes on
// screen (note_table.h): its files, its settings, the board, and the gesture and tool under way.
// The window layer holds the one instance of the run (app_state_win.h).
#pragma once
#include "launcher/model/aliases.h"
#include "launcher/model/board_state.h"
#include "launcher/model/paths.h"
#include "launcher/model/settings.h"
#include "launcher/rules/attribute_rules.h"
#include "launcher/rules/handoff.h"

// Where and when the left button last went down on a note, for telling a click from a long
// press or a drag.
struct NotePress {
    unsigned time = 0;  // tick count
    int x = 0, y = 0;   // screen position
};

struct MarneloState {
    LauncherPaths paths;
    LauncherSettings settings;
    BoardState board;
    int screenWidth = 0;
    int screenHeight = 0;
    ToolView tool{
        kToolOff};       // the attribute tool; its mode is kToolOff while the mini tool is closed
    AliasTable aliases;  // the words of "cmd.txt"
    NotePress press;
    HandOverQueue handOvers;  // what second starts handed over, run in turn
};
