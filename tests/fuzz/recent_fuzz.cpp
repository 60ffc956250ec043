// The day's history: whatever pairs are recorded, the file written from the list reads back
// into the same pairs in the same order, and reading it twice changes nothing.
#include <cstdint>
#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_check.h"
#include "utility/model/recent_list.h"
#include "utility/rules/state_files.h"

namespace {

bool SamePairs(const RecentList& a, const RecentList& b) {
    if (a.pairs.size() != b.pairs.size()) return false;
    for (std::size_t i = 0; i < a.pairs.size(); ++i)
        if (a.pairs[i].folder != b.pairs[i].folder || a.pairs[i].text != b.pairs[i].text)
            return false;
    return true;
}

}  // namespace

// The input is a list of (folder, text) halves separated by 0x00 bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(bytes), size);
    RecentList recorded;
    while (!input.empty()) {
        std::size_t cut = input.find('\0');
        std::string_view folder = input.substr(0, cut);
        input = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
        cut = input.find('\0');
        std::string_view text = input.substr(0, cut);
        input = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
        AddRecent(recorded, folder, text);
    }
    std::string file = FormatRecent(recorded);
    RecentList read;
    ParseRecentText(read, file);
    Require(SamePairs(recorded, read), "the file reads back into the pairs it was written from");
    ParseRecentText(read, file);
    Require(SamePairs(recorded, read), "reading the day's file again changes nothing");
    return 0;
}
