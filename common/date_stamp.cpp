#include "common/date_stamp.h"

#include <cctype>
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

std::string DateTimeText(const LocalTime& t) {
    char text[80];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::string DeletedNoteHeader(const LocalTime& t) {
    return "--- " + DateTimeText(t) + " ---\r\n";
}

namespace {

// The number of `count` digits at `at`, or -1.
int DigitsAt(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::size_t DeletedNoteHeaderLength(std::string_view text) {
    LocalTime t{DigitsAt(text, 4, 4),  DigitsAt(text, 9, 2),  DigitsAt(text, 12, 2),
                DigitsAt(text, 15, 2), DigitsAt(text, 18, 2), DigitsAt(text, 21, 2)};
    for (int part : {t.year, t.month, t.day, t.hour, t.minute, t.second})
        if (part < 0) return 0;
    // Rebuilt by the writer's own format, so the reader cannot drift from it.
    std::string header = DeletedNoteHeader(t);
    std::size_t line = header.size() - 2;  // without its CR LF
    if (text.substr(0, line) != std::string_view(header).substr(0, line)) return 0;
    if (text.substr(line, 2) == "\r\n") return line + 2;
    if (line < text.size() && (text[line] == '\r' || text[line] == '\n')) return line + 1;
    return 0;
}
