// clock_text.h — the clock note's text and the rhythm of the clock: a refresh just after each
// minute change.
#pragma once
#include <string>
#include <string_view>

#include "common/date_stamp.h"

// A note whose command is exactly "tokei" shows the clock.
bool IsClockCommand(std::string_view command);

// 0 Sunday .. 6 Saturday for a Gregorian date; 7 for a date before the calendar began.
int WeekdayNumber(int year, int month, int day);

// "2011/08/20(Sat) 12:11" and CR LF; a weekday number past 5 reads "Sat".
std::string ClockText(const LocalTime& t);

// Seconds to sleep so the next wake comes just after the next minute change.
int SecondsToNextMinute(int second);

// The minute last shown; it starts at 0, so a start in minute 0 waits for minute 1.
struct ClockMinute {
    int lastSeen = 0;
    // True when `minute` differs from the last one seen; it becomes the last one seen.
    bool Advance(int minute);
};
