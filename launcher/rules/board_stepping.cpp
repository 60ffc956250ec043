#include "launcher/rules/board_stepping.h"

#include <algorithm>

#include "common/sjis.h"

namespace {

// A place in the ring: a folder board or an outside board.
struct Place {
    bool outside = false;
    std::size_t index = 0;
};

std::optional<std::size_t> PositionIn(const std::vector<std::string>& list,
                                      const std::string& entry) {
    auto found = std::find(list.begin(), list.end(), entry);
    if (found == list.end()) return std::nullopt;
    return static_cast<std::size_t>(found - list.begin());
}

std::optional<Place> StepInFolder(std::size_t i, std::size_t folderCount, std::size_t outsideCount,
                                  int direction) {
    if (direction > 0) {
        if (i + 1 < folderCount) return Place{false, i + 1};
        return outsideCount == 0 ? Place{false, 0} : Place{true, 0};
    }
    if (i > 0) return Place{false, i - 1};
    return outsideCount == 0 ? Place{false, folderCount - 1} : Place{true, outsideCount - 1};
}

std::optional<Place> StepInOutside(std::size_t i, std::size_t folderCount, std::size_t outsideCount,
                                   int direction) {
    if (direction > 0) {
        if (i + 1 < outsideCount) return Place{true, i + 1};
        if (folderCount == 0) return std::nullopt;
        return Place{false, 0};
    }
    if (i > 0) return Place{true, i - 1};
    if (folderCount == 0) return std::nullopt;
    return Place{false, folderCount - 1};
}

// Outside entries emptied because their file has gone are passed over; a ring of nothing but
// such entries leads nowhere.
std::optional<std::string> Step(Place from, const std::vector<std::string>& folder,
                                const std::vector<std::string>& outside, int direction) {
    if (!from.outside && folder.size() == 1) return std::nullopt;
    Place at = from;
    for (std::size_t steps = 0; steps <= folder.size() + outside.size(); ++steps) {
        std::optional<Place> next =
            at.outside ? StepInOutside(at.index, folder.size(), outside.size(), direction)
                       : StepInFolder(at.index, folder.size(), outside.size(), direction);
        if (!next || (next->outside == from.outside && next->index == from.index))
            return std::nullopt;
        const std::string& entry = next->outside ? outside[next->index] : folder[next->index];
        if (!entry.empty()) return entry;
        at = *next;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> SteppedBoard(const std::string& currentPath,
                                        const std::vector<std::string>& folderBoards,
                                        const std::vector<std::string>& outsideBoards,
                                        BoardStep step) {
    const int direction = step == BoardStep::Next ? -1 : +1;
    if (auto i = PositionIn(folderBoards, currentPath))
        return Step({false, *i}, folderBoards, outsideBoards, direction);
    if (auto i = PositionIn(outsideBoards, currentPath))
        return Step({true, *i}, folderBoards, outsideBoards, direction);
    std::size_t slash = FindLastChar(currentPath, '\\');
    if (slash == std::string::npos) return std::nullopt;
    if (auto i = PositionIn(folderBoards, currentPath.substr(slash + 1)))
        return Step({false, *i}, folderBoards, outsideBoards, direction);
    return std::nullopt;
}
