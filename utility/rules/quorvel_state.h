// quorvel_state.h — everything Quorvel knows while it runs, apart from its windows: the mode,
// the settings, the listing, the boards' notes, the lists and the keys under way. The program's
// frame holds the one instance of the run, beside the handles (utility_app_win.h).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "utility/model/folder_walk.h"
#include "utility/model/mode_cycle.h"
#include "utility/model/note_index.h"
#include "utility/model/recent_list.h"
#include "utility/model/utility_settings.h"
#include "utility/rules/key_commands.h"
#include "utility/rules/list_rows.h"
#include "utility/rules/pending_transfer.h"

// The filters read at most this many bytes of the input line.
inline constexpr std::size_t kInputTextLimit = 255;

struct QuorvelState {
    ModeState modeState = ModeState::Plain;
    bool quitArmed = true;
    std::string exeFolder, iniPath, fileListPath, launcherPath;

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
    BoardBoxSource boardListSource = BoardBoxSource::Boards;  // what it was last filled from
    KeySequence keySequence;
    int bookmarkCursor = -1;  // -1: no bookmark walk under way
    PendingTransfer pending;
    // A listing walks folders; its question to go on runs a message loop, in which the user
    // can still reach the window.
    bool listingRuns = false;
};
