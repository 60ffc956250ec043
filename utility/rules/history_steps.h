// history_steps.h — Alt+Left / Alt+Right through the day's history and Alt+Up / Alt+Down
// through the bookmark list box; both stop at their ends.
#pragma once
#include <optional>

#include "utility/model/recent_list.h"

// Moves recentCursor one pair on (or back) and gives the pair there; nothing for an empty list.
std::optional<RecentPair> StepRecent(RecentList& recent, bool forward);

// The bookmark cursor after one step over `count` items; -1 (no walk) steps to the first.
int StepBookmark(int cursor, int count, bool up);
