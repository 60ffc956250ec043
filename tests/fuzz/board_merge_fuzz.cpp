// Two PCs change one board from the same read: every note a side added or changed is in the
// merged board or the conflict file, as often as that side holds it, a note neither changed
// stays, and merging with a side that changed nothing gives the other side exactly.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "launcher/model/board_merge.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// Few texts and places, so that sides collide on duplicates, shared places and equal edits.
Note SmallNote(FuzzedDataProvider& data) {
    Note note;
    note.text = std::string(1, static_cast<char>('a' + data.ConsumeIntegralInRange(0, 4)));
    note.x = data.ConsumeIntegralInRange(0, 3);
    note.y = data.ConsumeIntegralInRange(0, 1);
    note.backColor = data.ConsumeIntegralInRange(10, 11);
    return note;
}

// The base as one PC left it: notes deleted, changed, added and swapped.
std::vector<Note> Changed(FuzzedDataProvider& data, std::vector<Note> notes) {
    int steps = data.ConsumeIntegralInRange(0, 6);
    for (int s = 0; s < steps; ++s) {
        std::size_t at =
            notes.empty() ? 0 : data.ConsumeIntegralInRange<std::size_t>(0, notes.size() - 1);
        switch (data.ConsumeIntegralInRange(0, 4)) {
            case 0:
                if (!notes.empty()) notes.erase(notes.begin() + at);
                break;
            case 1:
                if (!notes.empty()) notes[at].text = SmallNote(data).text;
                break;
            case 2:
                if (!notes.empty()) notes[at].x = data.ConsumeIntegralInRange(0, 3);
                break;
            case 3:
                notes.insert(notes.begin() + at, SmallNote(data));
                break;
            case 4:
                if (notes.size() > 1) std::swap(notes[at], notes[notes.size() - 1 - at]);
                break;
        }
    }
    return notes;
}

std::map<std::string, int> Counted(const std::vector<Note>& notes) {
    std::map<std::string, int> counts;
    for (const Note& note : notes) ++counts[FormatNote(note)];
    return counts;
}

void RequireKept(const std::vector<Note>& base, const std::vector<Note>& side,
                 const MergeResult& result) {
    std::map<std::string, int> before = Counted(base);
    std::map<std::string, int> kept = Counted(result.notes);
    for (const auto& [record, count] : Counted(result.conflicts)) kept[record] += count;
    for (const auto& [record, count] : Counted(side)) {
        int fresh = count - std::min(count, before[record]);
        Require(kept[record] >= fresh, "a note added or changed on one side is kept");
    }
}

// A note neither side touched stays on the board.
void RequireUntouchedKept(const std::vector<Note>& base, const std::vector<Note>& ours,
                          const std::vector<Note>& theirs, const MergeResult& result) {
    std::map<std::string, int> inOurs = Counted(ours), inTheirs = Counted(theirs);
    std::map<std::string, int> kept = Counted(result.notes);
    for (const auto& [record, count] : Counted(base))
        Require(kept[record] >= std::min({count, inOurs[record], inTheirs[record]}),
                "a note unchanged on both sides is kept");
}

std::vector<std::string> Records(const std::vector<Note>& notes) {
    std::vector<std::string> records;
    for (const Note& note : notes) records.push_back(FormatNote(note));
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::vector<Note> base;
    int count = data.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) base.push_back(SmallNote(data));
    std::vector<Note> ours = Changed(data, base);
    std::vector<Note> theirs = Changed(data, base);

    MergeResult merged = MergeNotes(base, ours, theirs);
    RequireKept(base, ours, merged);
    RequireKept(base, theirs, merged);
    RequireUntouchedKept(base, ours, theirs, merged);
    Require(Records(MergeNotes(base, base, theirs).notes) == Records(theirs),
            "an unchanged side here gives the other side exactly");
    Require(Records(MergeNotes(base, ours, base).notes) == Records(ours),
            "an unchanged side there gives this side exactly");
    return 0;
}
