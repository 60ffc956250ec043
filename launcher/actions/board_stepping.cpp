#include "launcher/actions/board_stepping.h"

#include <algorithm>

#include "common/sjis.h"

namespace {

std::optional<std::size_t> PositionIn(const std::vector<std::string>& list,
                                      const std::string& entry) {
    auto found = std::find(list.begin(), list.end(), entry);
    if (found == list.end()) return std::nullopt;
    return static_cast<std::size_t>(found - list.begin());
}

std::optional<std::string> NonEmpty(const std::string& entry) {
    if (entry.empty()) return std::nullopt;  // an outside board whose file has gone
    return entry;
}

std::optional<std::string> StepInFolder(std::size_t i, const std::vector<std::string>& folder,
                                        const std::vector<std::string>& outside, int direction) {
    std::size_t n = folder.size();
    if (n == 1) return std::nullopt;
    if (direction > 0) {
        if (i + 1 < n) return folder[i + 1];
        return outside.empty() ? folder.front() : NonEmpty(outside.front());
    }
    if (i > 0) return folder[i - 1];
    return outside.empty() ? folder.back() : NonEmpty(outside.back());
}

std::optional<std::string> StepInOutside(std::size_t i, const std::vector<std::string>& folder,
                                         const std::vector<std::string>& outside, int direction) {
    if (direction > 0) {
        if (i + 1 < outside.size()) return NonEmpty(outside[i + 1]);
        if (folder.empty()) return std::nullopt;
        return folder.front();
    }
    if (i > 0) return NonEmpty(outside[i - 1]);
    if (folder.empty()) return std::nullopt;
    return folder.back();
}

}  // namespace

std::optional<std::string> SteppedBoard(const std::string& currentPath,
                                        const std::vector<std::string>& folderBoards,
                                        const std::vector<std::string>& outsideBoards,
                                        int direction) {
    if (auto i = PositionIn(folderBoards, currentPath))
        return StepInFolder(*i, folderBoards, outsideBoards, direction);
    if (auto i = PositionIn(outsideBoards, currentPath))
        return StepInOutside(*i, folderBoards, outsideBoards, direction);
    std::size_t slash = FindLastChar(currentPath, '\\');
    if (slash == std::string::npos) return std::nullopt;
    if (auto i = PositionIn(folderBoards, currentPath.substr(slash + 1)))
        return StepInFolder(*i, folderBoards, outsideBoards, direction);
    return std::nullopt;
}
