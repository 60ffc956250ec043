// list_rows.h — what the three lists show for the input line's text: the list view's rows
// (entries of the listing, then note strings), the board list box's texts cut back to parent
// folders and numbered for the digit keys, and the bookmark list box's texts.
#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "utility/model/mode_cycle.h"
#include "utility/model/note_index.h"
#include "utility/model/recent_list.h"
#include "utility/model/result_list.h"

// Scratch text a note row is joined in for matching: grown to exactly the size a longer row
// needs, never shrunk, so a long index allocates nothing per row.
class DisplayBuffer {
  public:
    explicit DisplayBuffer(std::size_t capacity = 1024);
    // board + " " + note, valid until the next call.
    std::string_view Join(std::string_view board, std::string_view note);
    std::size_t capacity() const { return capacity_; }

  private:
    std::unique_ptr<char[]> data_;
    std::size_t capacity_;
};

// A list view row refers to what it shows, so that a refresh copies no text: the list view
// asks for the texts of the rows it draws.
struct ListRow {
    int entry = -1;    // its rowMap value: the entry index, -1 for a note row
    int noteRow = -1;  // the note index row of a note row
};

// Entries whose name matches the text, in list order, then every note row whose joined text
// matches and whose string is not empty.
std::vector<ListRow> ListViewRows(const ResultList& results, const NoteIndex& index,
                                  std::string_view inputText, int searchMode,
                                  DisplayBuffer& buffer);

// Column 0 is the entry's name or the note's board, column 1 the entry's full path or the note
// string, column 2 the entry's date; anything else is empty. Valid while the lists are.
std::string_view RowText(const ListRow& row, int column, const ResultList& results,
                         const NoteIndex& index);

// A cell's text as the list view draws it, within `limit` bytes and never cut inside a
// character: a line break (CR LF, CR or LF) and every other control byte shows as one space,
// which the list view would draw as boxes. Copies and lookups use RowText as it is.
std::string ShownCellText(std::string_view text, std::size_t limit);

// The bytes before the `level`-th separator ("\", ":" or "/", whole characters only) counted
// from the end; nothing when there are too few or that separator is the first byte.
std::optional<std::string> CutToLevel(std::string_view path, int level);

enum class BoardBoxSource { Boards, History };

// What the board list box shows in a mode: the day's history folders in history mode, else the
// boards.
BoardBoxSource BoardListSource(ModeState mode);
std::vector<std::string> BoardListItems(ModeState mode, const RecentList& recent,
                                        const BoardList& boards);

// The board list box's texts in shown order. An item must match the typed words and the
// current folder; at level 0 the newest item comes first, above it items are cut back and the
// first ten numbered "1." to "9." and "0.".
std::vector<std::string> BoardListTexts(const std::vector<std::string>& items,
                                        std::string_view inputText, std::string_view nowDir,
                                        int parentLevel, int searchMode);

// The item behind a board list box text: a numbered text loses its "d." again.
std::string WithoutDigitPrefix(std::string_view text, int index, bool numbered);

// The matching bookmarks in list order.
std::vector<std::string> BookmarkTexts(const std::vector<std::string>& bookmarks,
                                       std::string_view inputText, int searchMode);
