#include "utility/model/path_text.h"

#include "common/quotes.h"
#include "common/sjis.h"
#include "utility/model/folder_walk.h"

std::string TrimPatternTail(std::string_view path) {
    std::string trimmed(path);
    std::size_t size = trimmed.size();
    // Only a whole "\*" is a folder's pattern tail: in C:\data\ab* the "*" belongs to a name,
    // and before a lone "*" may stand the lead byte of a character.
    if (size >= 2 && trimmed[size - 1] == '*' && trimmed[size - 2] == '\\' &&
        IsCharBoundary(trimmed, size - 2)) {
        trimmed.resize(size - 2);
    } else if (size >= 1 && trimmed[size - 1] == '\\' && IsCharBoundary(trimmed, size - 1)) {
        trimmed.pop_back();
    }
    return trimmed;
}

std::string WithDriveRoot(std::string folder) {
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';
    return folder;
}

bool IsDriveOrEmpty(std::string_view path) {
    std::string trimmed = TrimPatternTail(path);
    if (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
    return trimmed.empty() || (trimmed.size() == 2 && trimmed[1] == ':');
}

std::optional<std::string> TypedFolder(
    const std::string& text, const std::function<bool(const std::string&)>& folderExists) {
    std::string folder = WithoutEnclosingQuotes(text);
    std::string bare = TrimPatternTail(folder);
    if (!bare.empty() && bare.back() == '*') bare = TrimPatternTail(PatternFolder(bare));
    if (bare.empty()) return std::nullopt;
    if (!folderExists(WithDriveRoot(bare))) return std::nullopt;
    return folder;
}
