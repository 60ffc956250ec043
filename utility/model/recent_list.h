// recent_list.h — the day's history of (folder, text) pairs, oldest first, kept in
// "recent\YYYYMMDD.txt" and read back at every start of the same day.
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct RecentPair {
    std::string folder;
    std::string text;
};

struct RecentList {
    std::vector<RecentPair> pairs;
    int cursor = -1;  // recentCursor
};

// The form a folder is kept in and a text compared in: its first line of at most 255 bytes
// without blanks, quotes or "\*" / "\" around it. Tidying a tidy text changes nothing.
std::string TidyRecent(std::string_view text);

// A pair already held moves to the end; a new one is appended with its folder tidied and its
// text as given (first line only). A folder that is empty, a name pattern ending in "*" or
// holds a TAB is not recorded: the day's file could not give it back.
void AddRecent(RecentList& recent, std::string_view folder, std::string_view text);

// Takes the newest pair of `folder` out of the list; the walk's cursor keeps to the pair it
// stood on. False when no pair has that folder.
bool RemoveRecentFolder(RecentList& recent, std::string_view folder);

// "folder TAB text"; a line without a tab after its first byte is all folder.
void AddRecentLine(RecentList& recent, std::string_view line);

// Every non-empty line in file order, so a pair held twice ends up once, at its later place.
void ParseRecentText(RecentList& recent, std::string_view text);
