#include "utility/frame/recent_list.h"

#include <algorithm>

#include "common/sjis.h"
#include "common/text_lines.h"
#include "utility/commands/path_text.h"

namespace {

constexpr std::size_t kRecentTextLimit = 255;

// The history file holds one pair per line: a pasted line break would split a pair into two
// on the next read, and a longer text would come back cut inside a character.
std::string OneStoredLine(std::string_view text) {
    return CutAtCharBoundary(text.substr(0, text.find_first_of("\r\n")), kRecentTextLimit);
}

}  // namespace

void AddRecent(RecentList& recent, std::string_view givenFolder, std::string_view givenText) {
    std::string folderLine = OneStoredLine(givenFolder);
    std::string text = OneStoredLine(givenText);
    std::string_view folder = folderLine;
    if (folder.empty()) return;
    std::string trimmedFolder = TrimPatternTail(folder);
    std::string trimmedText = TrimPatternTail(text);
    if (!trimmedFolder.empty() && trimmedFolder.back() == '*') return;
    if (trimmedFolder.size() >= 2 && trimmedFolder.front() == '"' && trimmedFolder.back() == '"')
        trimmedFolder = trimmedFolder.substr(1, trimmedFolder.size() - 2);
    // The text is kept as given, so it is compared trimmed on both sides.
    auto same = [&](const RecentPair& pair) {
        return pair.folder == trimmedFolder && TrimPatternTail(pair.text) == trimmedText;
    };
    auto found = std::find_if(recent.pairs.begin(), recent.pairs.end(), same);
    if (found != recent.pairs.end()) {
        std::rotate(found, found + 1, recent.pairs.end());
        return;
    }
    bool wasEmpty = recent.pairs.empty();
    recent.pairs.push_back({trimmedFolder, text});
    if (!wasEmpty) recent.cursor = static_cast<int>(recent.pairs.size()) - 1;
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
