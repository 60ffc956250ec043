#include "utility/rules/date_filter.h"

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
