// date_stamp.h — the date and time texts of file names, log names and record headers.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

LocalTime LocalNow();

// "%04d%02d%02d": the daily log name and the once-a-day markers.
std::string DateStamp(const LocalTime& t);

// "%04d%02d%02d%02d%02d%02d": names of clipboard image files.
std::string DateTimeStamp(const LocalTime& t);

// "%04d/%02d/%02d %02d:%02d:%02d": a file's date in Quorvel's list.
std::string DateTimeText(const LocalTime& t);

// "--- %04d/%02d/%02d %02d:%02d:%02d ---\r\n": the header before a deleted note.
std::string DeletedNoteHeader(const LocalTime& t);

// The length of such a header line at the start of `text`, its line end (CR LF, LF or CR)
// included; 0 when the text does not start with one.
std::size_t DeletedNoteHeaderLength(std::string_view text);
