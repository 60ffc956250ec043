// text_widths.h — how wide the list view's columns must be for their texts: a text's width is
// the sum of its characters' advances, and each character is measured once per font, so that
// sizing the columns of many rows asks the window system nothing once their characters are seen.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "utility/rules/list_rows.h"

class CharAdvances {
  public:
    CharAdvances();
    // For another font: every advance is unknown again.
    void Forget();
    // The width of `text` as far as its characters are known; false when one is not. Such
    // characters wait to be measured together: asking the system once per character is slow
    // where it must find a glyph in another font.
    bool Width(std::string_view text, int& width);

    bool SingleBytesPending() const { return singleBytesPending_; }
    // Double-byte characters waiting, two bytes each.
    const std::string& DoubleBytesPending() const { return doubleBytesPending_; }
    // The advances of the 256 single-byte characters.
    void TakeSingleBytes(const int* advances);
    // One extent per byte of DoubleBytesPending(): the width of the text up to that byte.
    void TakeDoubleBytes(const std::vector<int>& extents);

  private:
    static constexpr int kUnknown = -1;
    static constexpr int kPending = -2;
    std::vector<int> advances_;  // by single byte, or lead byte * 256 + trail byte
    bool lead_[256];
    std::string_view lastText_;
    int lastWidth_ = 0;
    std::string doubleBytesPending_;
    bool singleBytesPending_ = false;
};

// The widest text of each of the three columns among `rows`. `measure` is called when
// `advances` waits for characters, a few times at most however many rows there are.
std::array<int, 3> WidestColumnTexts(const std::vector<ListRow>& rows, const ResultList& results,
                                     const NoteIndex& index, CharAdvances& advances,
                                     const std::function<void(CharAdvances&)>& measure);
