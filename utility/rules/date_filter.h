// date_filter.h — Ctrl+U: the date filter on and off with its remembered value, and the
// exclude flag shown as a leading "^" in the note command box.
#pragma once
#include <optional>
#include <string>

#include "utility/model/utility_settings.h"

struct DateFilterToggle {
    bool focusCommandBox = false;        // Alt: the value is typed there; nothing else runs
    std::optional<std::string> boxText;  // the note command box's new text, when it changes
    bool relist = false;                 // the folder is listed again with or without dates
};

// filterdate -1 is off; while off, filterdate2 remembers the value (-2 while on). Shift flips
// the flag and switches the filter on with the remembered value.
DateFilterToggle ToggleDateFilter(UtilitySettings& settings, bool shift, bool alt);
