#include "utility/model/stamp_list.h"

#include <algorithm>

StampToggle ToggleStampText(std::vector<std::string>& stamps, std::string_view selected) {
    if (selected.empty()) return stamps.empty() ? StampToggle::Nothing : StampToggle::ShowMenu;
    auto found = std::find(stamps.begin(), stamps.end(), selected);
    if (found != stamps.end()) {
        stamps.erase(found);
        return StampToggle::Removed;
    }
    stamps.emplace_back(selected);
    return StampToggle::Added;
}

std::vector<StampMenuItem> StampMenuItems(const std::vector<std::string>& stamps) {
    std::vector<StampMenuItem> items;
    for (std::size_t i = stamps.size(); i-- > 0;)
        items.push_back({static_cast<unsigned>(i + 1), stamps[i]});
    return items;
}

std::optional<std::string> StampOfMenuId(const std::vector<std::string>& stamps, unsigned id) {
    if (id == 0 || id > stamps.size()) return std::nullopt;
    return stamps[id - 1];
}

namespace {

// Edit positions from the control, kept inside the text and in order.
std::pair<std::size_t, std::size_t> Bounds(std::string_view text, int start, int end) {
    auto clamp = [&](int at) {
        return std::min(static_cast<std::size_t>(std::max(at, 0)), text.size());
    };
    std::size_t from = clamp(start), to = clamp(end);
    return from <= to ? std::make_pair(from, to) : std::make_pair(to, from);
}

}  // namespace

std::string SelectedInputText(std::string_view text, int start, int end) {
    auto [from, to] = Bounds(text, start, end);
    std::string_view selected = text.substr(from, to - from);
    if (!selected.empty() && selected.back() == '\n') {
        selected.remove_suffix(1);
        if (!selected.empty() && selected.back() == '\r') selected.remove_suffix(1);
    }
    return std::string(selected);
}

InsertedText InsertText(std::string_view text, int start, int end, std::string_view inserted) {
    std::size_t at = Bounds(text, start, end).second;
    std::string joined(text.substr(0, at));
    joined.append(inserted);
    joined.append(text.substr(at));
    return {std::move(joined), static_cast<int>(at + inserted.size())};
}

void AddBookmark(std::vector<std::string>& bookmarks, int& bookmarkCursor, std::string path) {
    if (!bookmarks.empty()) bookmarkCursor = -1;
    bookmarks.push_back(std::move(path));
}
