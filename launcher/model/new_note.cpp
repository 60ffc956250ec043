#include "launcher/model/new_note.h"

#include <algorithm>
#include <vector>

#include "common/int_values.h"

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
    // The size settings are used unchecked: an absurd one holds the note at int's limit.
    note.height = HeldInInt(1LL * settings.lineHeight * extent.lines + 4);
    note.width = HeldInInt(1LL * settings.charWidth * extent.longest + 10);
    note.x = runningX;
    note.y = 0;
    runningX = HeldInInt(1LL * runningX + (kind == kTextNote ? note.width : settings.miniWidth));
    if (runningX + 10LL > screenWidth) runningX = 0;

    switch (kind) {
        case kTextNote:
            break;
        case kClipboardNote:
            note.command = note.text;
            note.topmost = 1;
            note.backColor = 6;  // Silver
            note.textColor = 0;
            note.runType = kRunTypeCopy;
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

std::string ClipboardImagePath(std::string_view imageFolder, const LocalTime& now,
                               const std::function<bool(const std::string&)>& taken) {
    constexpr int kLastSuffix = 999;
    std::string stem = std::string(imageFolder) + "\\clipImg" + DateTimeStamp(now);
    std::string path = stem + ".jpg";
    for (int suffix = 2; taken(path); ++suffix) {
        if (suffix > kLastSuffix) return "";
        path = stem + "_" + std::to_string(suffix) + ".jpg";
    }
    return path;
}

bool MakesTextNote(const std::optional<std::string>& clipboardText) {
    return clipboardText && !clipboardText->empty();
}

Note MakeImageNote(const NewNoteSettings& settings, const std::string& path, int width,
                   int height) {
    Note note = MakePlainNote(settings);
    note.mediaPath = path;
    note.width = width;
    note.height = height;
    return note;
}

NotePlace FreeNotePlace(NotePlace wanted, const std::vector<NotePlace>& shown, int screenWidth,
                        int screenHeight) {
    auto taken = [&](const NotePlace& place) {
        return std::find(shown.begin(), shown.end(), place) != shown.end();
    };
    NotePlace place = wanted;
    // One step more than there are shown notes reaches a free place, as long as the screen's
    // grid of steps holds more places than the board has notes (a screen of 20 by 20 has 1).
    for (std::size_t step = 0; step <= shown.size() && taken(place); ++step) {
        place.y += kNewNoteStep;
        if (1LL * place.y + kNewNoteStep > screenHeight) {
            place.y = 0;
            place.x = HeldInInt(1LL * place.x + kNewNoteStep);
            if (1LL * place.x + kNewNoteStep > screenWidth) place.x = 0;
        }
    }
    return place;
}

bool NeedsDefaultNote(bool asked, int noteCount) {
    return asked || noteCount == 0;
}
