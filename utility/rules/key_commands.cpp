#include "utility/rules/key_commands.h"

#include <algorithm>

namespace {

constexpr int kOff = -1;
constexpr int kNothingRemembered = -2;

bool FilterOn(const UtilitySettings& s) {
    return s.filterdate != kOff;
}

void SwitchOff(UtilitySettings& s) {
    s.filterdate2 = s.filterdate;
    s.filterdate = kOff;
}

}  // namespace

DateFilterToggle ToggleDateFilter(UtilitySettings& s, bool shift, bool alt) {
    DateFilterToggle result;
    if (shift) {
        s.excludeDate = !s.excludeDate;
        if (FilterOn(s)) SwitchOff(s);
    }
    if (alt) {
        result.focusCommandBox = true;
        return result;
    }
    if (FilterOn(s)) {
        SwitchOff(s);
        result.boxText = "";
    } else {
        // With nothing remembered the filter still goes on: any value but -1 records dates.
        bool remembered = s.filterdate2 != kOff && s.filterdate2 != kNothingRemembered;
        s.filterdate = remembered ? s.filterdate2 : 0;
        s.filterdate2 = kNothingRemembered;
        result.boxText = DateFilterText(s);
    }
    result.relist = true;
    return result;
}

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

bool KeySequence::Append(int controlCharacter) {
    if (controlCharacter < 1 || controlCharacter > 28) return false;
    if (letters_.size() >= kMostLetters) return false;
    letters_.push_back(static_cast<char>(controlCharacter + 96));
    return true;
}

std::optional<std::string> FindSequenceCommand(const std::vector<NotePair>& pairs,
                                               const std::string& letters) {
    if (letters.empty()) return std::nullopt;
    for (const NotePair& pair : pairs)
        if (pair.text == letters) return std::string(pair.command);
    return std::nullopt;
}
