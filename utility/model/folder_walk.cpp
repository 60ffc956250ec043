#include "utility/model/folder_walk.h"

#include "common/sjis.h"
#include "utility/model/match_words.h"

std::optional<std::string> BuildPattern(const std::string& folder) {
    if (folder.empty()) return std::nullopt;
    if (folder.back() == '*') return folder;
    // A trail byte can be "\" (0x5C): only a whole character ends the folder text.
    bool endsInSeparator = folder.back() == '\\' && IsCharBoundary(folder, folder.size() - 1);
    return folder + (endsInSeparator ? "*" : "\\*");
}

std::string PatternFolder(const std::string& pattern) {
    std::size_t separator = FindLastChar(pattern, '\\');
    if (separator == std::string::npos) separator = FindLastChar(pattern, ':');
    return separator == std::string::npos ? std::string() : pattern.substr(0, separator + 1);
}

int ProbeFolder(ListingHost& host, const std::string& pattern) {
    std::unique_ptr<Enumeration> enumeration = host.Enumerate(pattern);
    if (!enumeration) return -1;
    FoundEntry entry;
    if (!enumeration->Next(entry)) return -1;
    while (enumeration->Next(entry)) {
        if (!entry.folder) continue;
        return entry.name == ".." ? 1 : 0;
    }
    return -1;
}

namespace {

bool Passes(const std::string& filter, const std::string& name, int searchMode) {
    return filter.empty() || MatchText(filter, name, searchMode);
}

}  // namespace

void WalkFolder(ListingState& state, ListingHost& host, const std::string& folder, bool recurse,
                bool top) {
    std::optional<std::string> pattern = BuildPattern(folder);
    if (!pattern || ProbeFolder(host, *pattern) < 0) return;
    if (top) state.nowDir = *pattern;
    std::unique_ptr<Enumeration> enumeration = host.Enumerate(*pattern);
    std::string listed = PatternFolder(*pattern);
    host.WalkStarted(listed, top);
    FoundEntry entry;
    while (enumeration && enumeration->Next(entry)) {
        if (state.continueCounter < kStopCollecting &&
            state.results.count() > state.continueCounter * kEntriesPerQuestion) {
            if (host.AskToContinue())
                ++state.continueCounter;
            else
                state.continueCounter = kStopCollecting;
        }
        if (state.continueCounter >= kStopCollecting) continue;
        if (entry.name == "." || entry.name == "..") continue;
        if (entry.folder) {
            if (!Passes(state.filterDir, entry.name, state.searchMode)) continue;
            std::string path = listed + entry.name + "\\*";
            std::string date = state.filterDate != -1 ? host.DateText(path, true) : "";
            AddResult(state.results, entry.name, path, std::move(date));
            if (recurse) WalkFolder(state, host, path, recurse, false);
        } else {
            if (!Passes(state.filterFile, entry.name, state.searchMode)) continue;
            std::string path = listed + entry.name;
            std::string date = state.filterDate != -1 ? host.DateText(path, false) : "";
            AddResult(state.results, entry.name, std::move(path), std::move(date));
        }
    }
    host.WalkEnded();
}

int ListFolder(ListingState& state, ListingHost& host, const std::string& folder, bool recurse) {
    state.results.entries.clear();
    state.continueCounter = 1;
    WalkFolder(state, host, folder, recurse, true);
    SortResults(state.results);
    return state.results.count();
}

std::string DatedPath(const std::string& path, bool folder) {
    if (folder && !path.empty() && path.back() == '*') return path.substr(0, path.size() - 1);
    return path;
}
