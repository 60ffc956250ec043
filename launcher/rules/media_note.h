// media_note.h — what a note with a media path shows: a picture, a text file, or a file picked
// at random from a folder, and where the picture and the note's text go in the note.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The listing pattern of a media path: kept when it ends in "*", else "\*" or "*" is added.
std::string MediaListingPattern(std::string_view mediaPath);

// The file name's part from its last "." on, lowered, occurs anywhere in `extensions`
// (".bmp.png..."): "photo.JPG" and even "x.jp" are accepted, a name without "." is not.
bool ExtensionAccepted(std::string_view fileName, std::string_view extensions);

struct MediaListingEntry {
    std::string name;
    bool folder = false;
};

// The files a folder note picks from, as full paths in listing order; empty when the pattern
// names no folder (only a folder lists a folder, ".." at least, after its first entry). The
// folder of a pattern like "C:\pics\a*" is C:\pics.
std::vector<std::string> FolderNoteFiles(std::string_view pattern,
                                         const std::vector<MediaListingEntry>& entries,
                                         std::string_view extensions);

// The file to show: one of `files` by `random`, or the media path itself when there are none.
std::string ChooseMediaFile(std::string_view mediaPath, const std::vector<std::string>& files,
                            unsigned random);

// Whether a text file's content, as `read` found it, replaces the text the note shows. A file
// that cannot be read leaves the text as it is: an empty text would be saved over what the
// note showed. The same text is not set again.
bool ReplacesNoteText(const std::optional<std::string>& read, std::string_view shown);

// A path dropped on a note becomes its media path only when it fits what the Edit dialog's box
// takes from typing; a longer one is ignored and the note keeps the picture it had.
bool DroppedPathFits(std::size_t length);

// A chosen path ending in "t" or "T" is a text file whose content becomes the note's text.
bool IsTextMedia(std::string_view path);

struct MediaLayout {
    int imageWidth = 0, imageHeight = 0;  // the picture as drawn at the top left
    int textTop = 0, textHeight = 0;      // the note's text below it, over the full width
};

// The picture scaled by the smaller ratio to fit `clientWidth` by `clientHeight`. A picture of
// no size (none could be loaded) draws nothing and leaves the text the whole client area.
MediaLayout PlaceMedia(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight);

// What a picture note's drawing was made from: the file, its last write time (0 when it could
// not be read), the note's client size and its background colour.
struct PictureKey {
    std::string path;
    unsigned long long fileTime = 0;
    int width = 0, height = 0;
    unsigned background = 0;
};

// Whether the picture drawn for `kept` still shows what `now` asks for. Decoding a large file
// takes seconds, so a repaint reuses the drawing while nothing of the key changed; a file
// without a known time is decoded again, as it may be appearing or being written.
bool PictureStillValid(const std::optional<PictureKey>& kept, const PictureKey& now);

// A folder is listed again at most once in this many milliseconds per note: a folder of
// thousands of files must not hold up every repaint.
inline constexpr unsigned kFolderListingLifetimeMs = 1000;

// The listing kept for one note between paints.
struct FolderListingCache {
    std::string pattern;
    unsigned takenAt = 0;
    bool taken = false;
    std::vector<std::string> files;
    // True when the kept listing of `pattern` is younger than the lifetime at `now`.
    bool Fresh(std::string_view wanted, unsigned now) const;
};
