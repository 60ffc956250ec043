#include "common/date_stamp.h"

#include <cstdio>
#include <ctime>

LocalTime LocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

std::string DateStamp(const LocalTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d", t.year, t.month, t.day);
    return text;
}

std::string DateTimeStamp(const LocalTime& t) {
    char text[80];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

std::string DeletedNoteHeader(const LocalTime& t) {
    char text[100];
    std::snprintf(text, sizeof text, "--- %04d/%02d/%02d %02d:%02d:%02d ---\r\n", t.year, t.month,
                  t.day, t.hour, t.minute, t.second);
    return text;
}
