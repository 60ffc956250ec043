#include "utility/model/recent_list.h"

#include <algorithm>

#include "common/quotes.h"
#include "common/sjis.h"
#include "common/text_lines.h"
#include "utility/model/path_text.h"

namespace {

constexpr std::size_t kRecentTextLimit = 255;

// The history file holds one pair per line: a pasted line break would split a pair into two
// on the next read, and a longer text would come back cut inside a character.
std::string OneStoredLine(std::string_view text) {
    return CutAtCharBoundary(text.substr(0, text.find_first_of("\r\n")), kRecentTextLimit);
}

std::string TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::string();
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

}  // namespace

std::string TidyRecent(std::string_view given) {
    std::string text = OneStoredLine(given);
    // Until nothing changes, so that a tidy text stays as it is: a pair read back from the
    // day's file must be the pair that was written, whatever quotes and separators it had.
    for (;;) {
        std::string before = text;
        text = TrimBlanks(text);
        text = WithoutEnclosingQuotes(text);
        text = WithDriveRoot(TrimPatternTail(text));  // a name pattern keeps its "*"
        if (text == before) return text;
    }
}

void AddRecent(RecentList& recent, std::string_view givenFolder, std::string_view givenText) {
    std::string folder = TidyRecent(givenFolder);
    // The file separates folder and text at the first TAB, and no folder name holds one.
    if (folder.empty() || folder.back() == '*' || folder.find('\t') != std::string::npos) return;
    std::string text = OneStoredLine(givenText);
    std::string key = TidyRecent(text);
    // The text is kept as given, so it is compared tidied on both sides.
    auto same = [&](const RecentPair& pair) {
        return pair.folder == folder && TidyRecent(pair.text) == key;
    };
    auto found = std::find_if(recent.pairs.begin(), recent.pairs.end(), same);
    if (found != recent.pairs.end()) {
        std::rotate(found, found + 1, recent.pairs.end());
        return;
    }
    bool wasEmpty = recent.pairs.empty();
    recent.pairs.push_back({folder, text});
    if (!wasEmpty) recent.cursor = static_cast<int>(recent.pairs.size()) - 1;
}

bool RemoveRecentFolder(RecentList& recent, std::string_view folder) {
    auto newest = std::find_if(recent.pairs.rbegin(), recent.pairs.rend(),
                               [&](const RecentPair& pair) { return pair.folder == folder; });
    if (newest == recent.pairs.rend()) return false;
    int at = static_cast<int>(recent.pairs.rend() - newest) - 1;
    recent.pairs.erase(recent.pairs.begin() + at);
    if (recent.cursor > at) --recent.cursor;
    if (recent.cursor >= static_cast<int>(recent.pairs.size()))
        recent.cursor = static_cast<int>(recent.pairs.size()) - 1;
    return true;
}

void AddRecentLine(RecentList& recent, std::string_view line) {
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab == 0) {
        AddRecent(recent, line, "");
        return;
    }
    AddRecent(recent, line.substr(0, tab), line.substr(tab + 1));
}

void ParseRecentText(RecentList& recent, std::string_view text) {
    for (const std::string& line : SplitLines(text)) AddRecentLine(recent, line);
}
