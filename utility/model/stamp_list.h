// stamp_list.h — stamps (short texts kept from the input line with Ctrl+T and put back at the
// caret from a menu) and bookmarks (paths kept with F11 and walked with Alt+Up / Alt+Down).
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class StampToggle { Added, Removed, ShowMenu, Nothing };

// Ctrl+T with `selected` the input line's selected text: an equal stamp is removed, any other
// text added; with no selection the menu is offered, unless there are no stamps.
StampToggle ToggleStampText(std::vector<std::string>& stamps, std::string_view selected);

struct StampMenuItem {
    unsigned id;  // stamp number + 1: 0 is the menu's "nothing chosen"
    std::string text;
};

// Top to bottom: the most recently added stamp first.
std::vector<StampMenuItem> StampMenuItems(const std::vector<std::string>& stamps);
// The stamp a menu answer stands for; nothing for 0 or an unknown identifier.
std::optional<std::string> StampOfMenuId(const std::vector<std::string>& stamps, unsigned id);

// The text between the selection's start and end; a line end closing it is left out.
std::string SelectedInputText(std::string_view text, int start, int end);

struct InsertedText {
    std::string text;
    int caret = 0;  // right behind the inserted text
};

// `inserted` put in at the selection's end.
InsertedText InsertText(std::string_view text, int start, int end, std::string_view inserted);

// F11: the path is appended, duplicates too. A walk over a list that already held bookmarks
// starts again from nothing.
void AddBookmark(std::vector<std::string>& bookmarks, int& bookmarkCursor, std::string path);
