#include "utility/rules/text_widths.h"

#include <algorithm>
#include <utility>

#include "common/sjis.h"

namespace {

constexpr std::size_t kCodes = 0x10000;

}  // namespace

CharAdvances::CharAdvances() : advances_(kCodes, kUnknown) {
    for (unsigned byte = 0; byte < 256; ++byte) lead_[byte] = IsLeadByte(byte);
}

void CharAdvances::Forget() {
    advances_.assign(kCodes, kUnknown);
    lastText_ = {};
    doubleBytesPending_.clear();
    singleBytesPending_ = false;
}

bool CharAdvances::Width(std::string_view text, int& width) {
    // Rows of one board share its name's bytes: the name is added up once.
    if (text.data() == lastText_.data() && text.size() == lastText_.size()) {
        width = lastWidth_;
        return true;
    }
    bool known = true;
    width = 0;
    const auto* at = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* end = at + text.size();
    while (at < end) {
        // A lead byte without its trail is measured as the single byte it is.
        bool pair = lead_[*at] && at + 1 < end;
        unsigned code = pair ? *at << 8 | at[1] : *at;
        int advance = advances_[code];
        if (advance >= 0) {
            width += advance;
        } else {
            known = false;
            if (advance == kUnknown) {
                advances_[code] = kPending;
                if (pair)
                    doubleBytesPending_.append(reinterpret_cast<const char*>(at), 2);
                else
                    singleBytesPending_ = true;
            }
        }
        at += pair ? 2 : 1;
    }
    if (known) {
        lastText_ = text;
        lastWidth_ = width;
    }
    return known;
}

void CharAdvances::TakeSingleBytes(const int* advances) {
    for (unsigned byte = 0; byte < 256; ++byte)
        if (advances_[byte] < 0) advances_[byte] = std::max(0, advances[byte]);
    singleBytesPending_ = false;
}

void CharAdvances::TakeDoubleBytes(const std::vector<int>& extents) {
    int before = 0;
    for (std::size_t at = 0; at + 1 < doubleBytesPending_.size() && at + 1 < extents.size();
         at += 2) {
        unsigned code = static_cast<unsigned char>(doubleBytesPending_[at]) << 8 |
                        static_cast<unsigned char>(doubleBytesPending_[at + 1]);
        advances_[code] = std::max(0, extents[at + 1] - before);
        before = extents[at + 1];
    }
    // Whatever the system did not answer stays unknown, to be asked again.
    for (std::size_t at = 0; at + 1 < doubleBytesPending_.size(); at += 2) {
        unsigned code = static_cast<unsigned char>(doubleBytesPending_[at]) << 8 |
                        static_cast<unsigned char>(doubleBytesPending_[at + 1]);
        if (advances_[code] == kPending) advances_[code] = kUnknown;
    }
    doubleBytesPending_.clear();
}

std::array<int, 3> WidestColumnTexts(const std::vector<ListRow>& rows, const ResultList& results,
                                     const NoteIndex& index, CharAdvances& advances,
                                     const std::function<void(CharAdvances&)>& measure) {
    std::array<int, 3> widest{0, 0, 0};
    std::vector<std::pair<int, std::string_view>> unmeasured;  // column and text
    // Texts with new characters wait for one measurement together. Most of a refresh's new
    // characters come in its first rows: measuring after a few of them spares adding up every
    // later text twice, and doubling the wait keeps the calls to a handful.
    std::size_t measureAt = 64;
    auto measureWaiting = [&] {
        measure(advances);
        for (const auto& [column, text] : unmeasured) {
            int width = 0;
            advances.Width(text, width);
            widest[column] = std::max(widest[column], width);
        }
        unmeasured.clear();
    };
    for (int column = 0; column < 3; ++column) {
        for (const ListRow& row : rows) {
            std::string_view text = RowText(row, column, results, index);
            int width = 0;
            if (advances.Width(text, width)) {
                widest[column] = std::max(widest[column], width);
            } else {
                unmeasured.emplace_back(column, text);
                if (unmeasured.size() == measureAt) {
                    measureWaiting();
                    measureAt *= 2;
                }
            }
        }
    }
    if (!unmeasured.empty()) measureWaiting();
    return widest;
}
