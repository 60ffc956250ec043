#include "launcher/model/clock_text.h"

#include <cstdio>

int WeekdayNumber(int year, int month, int day) {
    if (year < 1582 || (year == 1582 && (month < 10 || (month == 10 && day < 15)))) return 7;
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    return (year + year / 400 + (13 * month + 8) / 5 + year / 4 + day - year / 100) % 7;
}

std::string ClockText(const LocalTime& t) {
    static const char* const names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri"};
    int weekday = WeekdayNumber(t.year, t.month, t.day);
    const char* name = weekday >= 0 && weekday < 6 ? names[weekday] : "Sat";
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d(%s) %02d:%02d\r\n", t.year, t.month, t.day,
                  name, t.hour, t.minute);
    return text;
}

int SecondsToNextMinute(int second) {
    int wait = 61 - second;
    return wait < 1 ? 1 : wait;
}

bool ClockMinute::Advance(int minute) {
    if (minute == lastSeen) return false;
    lastSeen = minute;
    return true;
}

bool IsClockCommand(std::string_view command) {
    return command == "tokei";
}
