#include "launcher/notes/new_note.h"

#include <algorithm>
#include <climits>
#include <vector>

int ClampedToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

TextExtent MeasureClipboardText(std::string_view text) {
    std::vector<std::size_t> feeds;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') feeds.push_back(i);

    TextExtent extent;
    bool finalFeed = !feeds.empty() && feeds.back() + 1 == text.size();
    extent.lines = 1 + static_cast<int>(feeds.size()) - (finalFeed ? 1 : 0);
    if (extent.lines == 1) {
        extent.longest = static_cast<int>(text.size());
        return extent;
    }
    // The first line runs from the start; each later one is the distance between two feeds,
    // so the part after the last feed is not measured.
    std::size_t previous = 0;
    for (std::size_t feed : feeds) {
        extent.longest = std::max(extent.longest, static_cast<int>(feed - previous));
        previous = feed;
    }
    return extent;
}

namespace {

Note NoteWithSettings(const NewNoteSettings& settings) {
    Note note;
    note.fontSize = settings.fontSize;
    note.transparency = settings.transparency;
    note.miniWidth = settings.miniWidth;
    note.miniHeight = settings.miniHeight;
    return note;
}

}  // namespace

Note MakeClipboardTextNote(NewNoteKind kind, std::string_view text, const NewNoteSettings& settings,
                           int& runningX, int screenWidth) {
    TextExtent extent = MeasureClipboardText(text);
    Note note = NoteWithSettings(settings);
    note.text = std::string(text);
    note.height = ClampedToInt(static_cast<long long>(settings.lineHeight) * extent.lines + 4);
    note.width = ClampedToInt(static_cast<long long>(settings.charWidth) * extent.longest + 10);
    note.x = runningX;
    note.y = 0;
    long long next =
        static_cast<long long>(runningX) + (kind == kTextNote ? note.width : settings.miniWidth);
    runningX = next + 10 > screenWidth ? 0 : ClampedToInt(next);

    switch (kind) {
        case kTextNote:
            break;
        case kClipboardNote:
            note.command = note.text;
            note.topmost = 1;
            note.backColor = 6;  // Silver
            note.textColor = 0;
            note.runType = 1;
            note.mini = 1;
            break;
        case kRunNote:
            note.command = note.text;
            note.topmost = 1;
            note.backColor = 0;  // Black
            note.textColor = 6;  // Silver
            note.align = 1;
            note.mini = 1;
            break;
    }
    return note;
}

Note MakePlainNote(const NewNoteSettings& settings) {
    Note note = NoteWithSettings(settings);
    note.text = kDefaultNoteText;
    note.height = 50;
    note.width = 90;
    return note;
}

std::string ClipboardImageName(const LocalTime& now) {
    return "clipImg" + DateTimeStamp(now) + ".jpg";
}

Note MakeImageNote(const NewNoteSettings& settings, const std::string& path, int width,
                   int height) {
    Note note = MakePlainNote(settings);
    note.mediaPath = path;
    note.width = width;
    note.height = height;
    return note;
}
