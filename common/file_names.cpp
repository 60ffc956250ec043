#include "common/file_names.h"

#include "common/sjis.h"

bool IsTemporaryName(std::string_view name) {
    std::string_view suffix = kTemporarySuffix;
    return name.size() > suffix.size() && name.substr(name.size() - suffix.size()) == suffix;
}

std::string FolderOfPath(std::string_view path) {
    std::size_t cut = FindLastChar(path, '\\');
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}
