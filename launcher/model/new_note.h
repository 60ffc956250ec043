// new_note.h — the notes made from the clipboard text and the plain default note.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_stamp.h"
#include "launcher/model/note.h"

// The settings a new note takes its look and size rules from.
struct NewNoteSettings {
    int fontSize = 14;
    int transparency = 100;
    int miniWidth = 40;   // [window] DefaultX
    int miniHeight = 20;  // [window] DefaultY
    int lineHeight = 15;  // [window2] height
    int charWidth = 7;    // [window2] width
};

// Kinds of clipboard note: 0 a plain text note, 1 a clipboard note, 2 a run note.
enum NewNoteKind { kTextNote = 0, kClipboardNote = 1, kRunNote = 2 };

struct TextExtent {
    int lines = 0;
    int longest = 0;  // bytes, measured between line feeds
};

// Line count and longest line of a clipboard text, by which a new note is sized.
TextExtent MeasureClipboardText(std::string_view text);

// A note showing `text` (not empty) at the running position, which then moves right and
// wraps to 0 near the screen's right edge.
Note MakeClipboardTextNote(NewNoteKind kind, std::string_view text, const NewNoteSettings& settings,
                           int& runningX, int screenWidth);

// Where a picture pasted from the clipboard goes: "clipImg" and the local time, ".jpg", in the
// image folder. A name already `taken` (a picture of the same second) gets "_2", "_3" ... before
// ".jpg", so no picture is written over another; empty when every name up to "_999" is taken.
std::string ClipboardImagePath(std::string_view imageFolder, const LocalTime& now,
                               const std::function<bool(const std::string&)>& taken);

// Clipboard text makes a text note; without text, or with an empty one, a picture is looked for.
bool MakesTextNote(const std::optional<std::string>& clipboardText);

// A default note comes when asked for, and on a board left empty, which would otherwise show
// nothing to click.
bool NeedsDefaultNote(bool asked, int noteCount);

// A white note at the top left of the screen showing the picture at `path` at its own size.
Note MakeImageNote(const NewNoteSettings& settings, const std::string& path, int width, int height);

struct NotePlace {
    int x = 0, y = 0;
    bool operator==(const NotePlace& other) const { return x == other.x && y == other.y; }
};

// How far a new note steps on from a place already taken: enough to show the note below.
inline constexpr int kNewNoteStep = 20;

// Where a new note meant for `wanted` goes. A note exactly on top of another one looks as if
// nothing had happened, so while a `shown` note stands there the place steps down, and at the
// screen's bottom to the top of the next column on the right (at its right edge back to 0).
NotePlace FreeNotePlace(NotePlace wanted, const std::vector<NotePlace>& shown, int screenWidth,
                        int screenHeight);

// The white 90 by 50 note with the default text that stands in when there is nothing else.
Note MakePlainNote(const NewNoteSettings& settings);
