// key_commands.h — what the keys of key_actions_win decide: Ctrl+U's date filter, the Alt+arrow
// walks through the day's history and the bookmark list box, and the letters typed with Ctrl
// held that spell a note's text.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "utility/model/note_index.h"
#include "utility/model/recent_list.h"
#include "utility/model/utility_settings.h"

// Ctrl+U: the date filter on and off with its remembered value, and the exclude flag shown as
// a leading "^" in the note command box.
struct DateFilterToggle {
    bool focusCommandBox = false;        // Alt: the value is typed there; nothing else runs
    std::optional<std::string> boxText;  // the note command box's new text, when it changes
    bool relist = false;                 // the folder is listed again with or without dates
};

// filterdate -1 is off; while off, filterdate2 remembers the value (-2 while on). Shift flips
// the flag and switches the filter on with the remembered value.
DateFilterToggle ToggleDateFilter(UtilitySettings& settings, bool shift, bool alt);

// Alt+Left / Alt+Right through the day's history and Alt+Up / Alt+Down through the bookmark
// list box; both stop at their ends.

// Moves recentCursor one pair on (or back) and gives the pair there; nothing for an empty list.
std::optional<RecentPair> StepRecent(RecentList& recent, bool forward);

// The bookmark cursor after one step over `count` items; -1 (no walk) steps to the first.
int StepBookmark(int cursor, int count, bool up);

// Letters typed with Ctrl held spell a note's text; the note's command runs.
class KeySequence {
  public:
    static constexpr std::size_t kMostLetters = 7;
    void Clear() { letters_.clear(); }
    // Control character 1..28 as the letter "a".."z", "{", "|". False when the sequence is
    // full: further letters wait for the next Ctrl press.
    bool Append(int controlCharacter);
    const std::string& Letters() const { return letters_; }

  private:
    std::string letters_;
};

// The command of the first note whose text is exactly the sequence.
std::optional<std::string> FindSequenceCommand(const std::vector<NotePair>& pairs,
                                               const std::string& letters);
