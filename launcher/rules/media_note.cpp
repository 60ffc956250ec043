#include "launcher/rules/media_note.h"

#include <algorithm>

#include "common/sjis.h"
#include "launcher/rules/edit_rules.h"

std::string MediaListingPattern(std::string_view mediaPath) {
    std::string pattern(mediaPath);
    if (!pattern.empty() && pattern.back() == '*') return pattern;
    bool endsInBackslash = !pattern.empty() && FindLastChar(pattern, '\\') == pattern.size() - 1;
    if (!endsInBackslash) pattern += '\\';
    return pattern + '*';
}

bool ExtensionAccepted(std::string_view fileName, std::string_view extensions) {
    std::size_t dot = FindLastChar(fileName, '.');
    if (dot == std::string_view::npos) return false;
    return extensions.find(FoldAsciiCase(fileName.substr(dot))) != std::string_view::npos;
}

std::vector<std::string> FolderNoteFiles(std::string_view pattern,
                                         const std::vector<MediaListingEntry>& entries,
                                         std::string_view extensions) {
    std::vector<std::string> files;
    bool folder = false;
    for (std::size_t i = 1; i < entries.size() && !folder; ++i) folder = entries[i].folder;
    if (!folder || pattern.empty()) return files;
    // The folder is the pattern up to its last "\": "C:\pics\a*" lists C:\pics, whose
    // files must not be read as "C:\pics\a" + name.
    std::size_t slash = FindLastChar(pattern, '\\');
    std::string_view base = pattern.substr(0, slash == std::string_view::npos ? 0 : slash + 1);
    for (const MediaListingEntry& entry : entries)
        if (!entry.folder && ExtensionAccepted(entry.name, extensions))
            files.push_back(std::string(base) + entry.name);
    return files;
}

std::string ChooseMediaFile(std::string_view mediaPath, const std::vector<std::string>& files,
                            unsigned random) {
    if (files.empty()) return std::string(mediaPath);
    return files[random % files.size()];
}

bool IsTextMedia(std::string_view path) {
    return !path.empty() && (path.back() == 't' || path.back() == 'T');
}

MediaLayout PlaceMedia(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight) {
    MediaLayout layout;
    layout.textHeight = clientHeight;
    if (pictureWidth <= 0 || pictureHeight <= 0) return layout;
    double scale = std::min(static_cast<double>(clientWidth) / pictureWidth,
                            static_cast<double>(clientHeight) / pictureHeight);
    layout.imageWidth = static_cast<int>(pictureWidth * scale);
    layout.imageHeight = static_cast<int>(pictureHeight * scale);
    if (clientWidth > 0 && clientHeight > 0) {
        layout.textTop = layout.imageHeight;
        layout.textHeight = clientHeight - layout.imageHeight;
    }
    return layout;
}

bool FolderListingCache::Fresh(std::string_view wanted, unsigned now) const {
    return taken && pattern == wanted && now - takenAt < kFolderListingLifetimeMs;
}

bool DroppedPathFits(std::size_t length) {
    return length > 0 && length <= kEditMediaPathBytes;
}

bool ReplacesNoteText(const std::optional<std::string>& read, std::string_view shown) {
    return read && *read != shown;
}

bool PictureStillValid(const std::optional<PictureKey>& kept, const PictureKey& now) {
    return kept && now.fileTime != 0 && kept->path == now.path && kept->fileTime == now.fileTime &&
           kept->width == now.width && kept->height == now.height &&
           kept->background == now.background;
}
