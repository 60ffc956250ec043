// result_list.h — the entries of the last folder listing and the order they are shown in.
#pragma once
#include <string>
#include <vector>

struct ResultEntry {
    std::string name;  // as the enumeration reports it; a drive entry holds its root, C:\ .
    std::string path;  // a folder's path ends in "\*", a file's is folder + name
    std::string date;  // "YYYY/MM/DD hh:mm:ss" local time, or empty
};

struct ResultList {
    std::vector<ResultEntry> entries;
    // List-view row -> entry index; the rows are tied to entries by the list display.
    std::vector<int> rowMap;
    int count() const { return static_cast<int>(entries.size()); }
};

void AddResult(ResultList& list, std::string name, std::string path, std::string date);

// A folder entry is told by its path alone: it ends in "*".
bool IsFolderEntry(const ResultEntry& entry);

// True when `a` may stay before `b`: folders first, then the greater path (unsigned bytes,
// case-sensitive), then the greater name.
bool ResultLess(const ResultEntry& a, const ResultEntry& b);

// Puts the list into the order of ResultLess in O(n log n); equal entries keep their order.
void SortResults(ResultList& list);
