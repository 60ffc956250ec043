#include "utility/rules/history_steps.h"

#include <algorithm>

std::optional<RecentPair> StepRecent(RecentList& recent, bool forward) {
    int count = static_cast<int>(recent.pairs.size());
    if (count == 0) return std::nullopt;
    int cursor = forward ? std::min(recent.cursor + 1, count - 1) : std::max(recent.cursor - 1, 0);
    // A cursor past the list (pairs moved or dropped) starts again from its end.
    recent.cursor = std::clamp(cursor, 0, count - 1);
    return recent.pairs[recent.cursor];
}

int StepBookmark(int cursor, int count, bool up) {
    if (count <= 0) return -1;
    int next = up ? std::max(cursor - 1, 0) : std::min(cursor + 1, count - 1);
    return std::clamp(next, 0, count - 1);
}
