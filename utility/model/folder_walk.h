// folder_walk.h — listing a folder into the ResultList: the pattern, the probe, the filters,
// the date capture and the question every 3000 entries. The system side is an interface, so
// the same walk runs over the real file system and over a made-up one.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "utility/model/result_list.h"

struct FoundEntry {
    std::string name;
    bool folder = false;
};

// One running enumeration of a pattern; the first entry included.
class Enumeration {
  public:
    virtual ~Enumeration() = default;
    virtual bool Next(FoundEntry& entry) = 0;
};

class ListingHost {
  public:
    virtual ~ListingHost() = default;
    // Nothing when the pattern cannot be enumerated.
    virtual std::unique_ptr<Enumeration> Enumerate(const std::string& pattern) = 0;
    // Last-write time as "YYYY/MM/DD hh:mm:ss", empty when it cannot be read.
    virtual std::string DateText(const std::string& path, bool folder) = 0;
    // The continue question; true for yes.
    virtual bool AskToContinue() = 0;
    // A walk has started on `folder` (ends in "\"); `top` for the folder the user asked for.
    virtual void WalkStarted(const std::string& folder, bool top) = 0;
    // A walk has gone through its folder.
    virtual void WalkEnded() = 0;
};

struct ListingState {
    ResultList results;
    std::string nowDir;       // NowDir: the pattern of the last top-level walk
    int continueCounter = 1;  // 999: collecting has stopped
    std::string filterDir;    // lowered; empty = every folder
    std::string filterFile;   // lowered; empty = every file
    int filterDate = -1;      // not -1: dates are recorded
    int searchMode = 1;       // [mode] search
};

inline constexpr int kEntriesPerQuestion = 3000;
inline constexpr int kStopCollecting = 999;

// The folder text as an enumeration pattern: a text ending in "*" stays, otherwise "\" (when
// missing) and "*" are added. An empty text names no folder and gives nothing.
std::optional<std::string> BuildPattern(const std::string& folder);

// The folder whose entries a pattern enumerates: up to and including its last "\" (or, for a
// drive-relative pattern, ":") that starts a character. C:\data\ab* lists C:\data\ .
std::string PatternFolder(const std::string& pattern);

// The path a listed entry's date is read from: a folder's path ends in the "*" that lists it,
// which is dropped.
std::string DatedPath(const std::string& path, bool folder);

// 1 when the first folder after the first entry is "..", 0 for another folder, -1 when the
// pattern cannot be enumerated or holds no such folder.
int ProbeFolder(ListingHost& host, const std::string& pattern);

void WalkFolder(ListingState& state, ListingHost& host, const std::string& folder, bool recurse,
                bool top);

// Resets the list and the question count, walks `folder` and sorts; returns the entry count.
int ListFolder(ListingState& state, ListingHost& host, const std::string& folder, bool recurse);
