// utility_app_win.h — Quorvel's program-wide state: the window and its controls, the mode, the
// settings and every list, one instance for the whole run.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "utility/commands/key_sequence.h"
#include "utility/commands/pending_transfer.h"
#include "utility/frame/list_rows.h"
#include "utility/frame/mode_cycle.h"
#include "utility/frame/recent_list.h"
#include "utility/frame/utility_settings.h"
#include "utility/listing/folder_walk.h"
#include "utility/listing/note_index.h"

inline constexpr UINT kHandOffMessage = 266;
inline constexpr int kPastCheckBoxId = 1005;

// The filters read at most this many bytes of the input line.
inline constexpr std::size_t kInputTextLimit = 255;

struct UtilityApp {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND statusBar = nullptr, inputLine = nullptr, noteTextBox = nullptr, noteCommandBox = nullptr,
         checkBox = nullptr, boardListBox = nullptr, bookmarkListBox = nullptr, listView = nullptr;
    // The procedures the subclassed controls hand unhandled messages on to.
    WNDPROC previousInputLine = nullptr, previousBoardList = nullptr, previousListView = nullptr,
            previousCommandBox = nullptr, previousTextBox = nullptr;
    ModeState modeState = ModeState::Plain;
    bool quitArmed = true;
    std::string exeFolder, iniPath, fileListPath, launcherPath;
    HBRUSH inputBrush = nullptr;
    HBRUSH listBrushes[2] = {nullptr, nullptr};  // [0] paints the board list box
    COLORREF inputColour = 0, boardListColour = 0;
    HFONT listFont = nullptr;

    UtilitySettings settings;
    ListingState listing;  // ResultList, NowDir, the question count and the filters
    NoteLists notes;       // BoardList, NoteIndex, NotePairs
    RecentList recent;
    std::vector<std::string> stamps;     // StampList
    std::vector<std::string> bookmarks;  // BookmarkList
    // Read back non-empty at the start: a list emptied since must still reach its file.
    bool stampsRead = false, bookmarksRead = false;
    std::string inputText;  // the input line's first kInputTextLimit bytes
    int parentLevel = 0;
    DisplayBuffer displayBuffer;
    std::vector<ListRow> shownRows;  // what each list view row shows
    bool boardListNumbered = false;  // the board list box shows "1." .. "0." before its items
    KeySequence keySequence;
    int bookmarkCursor = -1;  // -1: no bookmark walk under way
    PendingTransfer pending;
    // A listing walks folders; its question to go on runs a message loop, in which the user
    // can still reach the window.
    bool listingRuns = false;
};

extern UtilityApp utility;

// Saves the state files and the settings, then ends the program; runs once.
void QuitUtility();
