#include "launcher/model/board_merge.h"

#include <map>
#include <tuple>

#include "launcher/resources/texts.h"

std::uint64_t HashBytes(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    return hash;
}

bool EntryChanged(const FileFingerprint& read, bool present, std::uint64_t size,
                  std::uint64_t time) {
    return read.present != present || read.size != size || read.time != time;
}

DiskState JudgeDisk(const std::optional<std::string>& disk, const ReadBase& base,
                    const NoteDefaults& defaults) {
    if (disk && HashBytes(*disk) == HashBytes(base.text) && *disk == base.text)
        return DiskState::Same;
    bool hadNotes = !ParseNotes(base.text, defaults).empty();
    if (!disk) return hadNotes ? DiskState::NoNews : DiskState::Same;
    if (!ParseNotes(*disk, defaults).empty()) return DiskState::Changed;
    // Bytes that decode to no note: an empty file is no news when notes were read, and foreign
    // content is never merged into a board.
    if (disk->find_first_not_of(" \t\r\n") != std::string::npos) return DiskState::NoNews;
    return hadNotes ? DiskState::NoNews : DiskState::Same;
}

SaveStep PlanSaveStep(DiskState state, const std::optional<std::string>& disk, bool mayExist) {
    if (state == DiskState::Changed) return SaveStep::Merge;
    if (!disk) return mayExist ? SaveStep::LeaveAlone : SaveStep::Write;
    if (state == DiskState::Same) return SaveStep::Write;
    return disk->find_first_not_of(" \t\r\n") != std::string::npos ? SaveStep::LeaveAlone
                                                                   : SaveStep::Write;
}

namespace {

using Identity = std::tuple<std::string, std::string, std::string>;

Identity IdentityOf(const Note& note) {
    return {note.text, note.command, note.mediaPath};
}

// Two notes are the same version when a save would write them alike.
bool SameVersion(const Note& a, const Note& b) {
    return FormatNote(a) == FormatNote(b);
}

// Pairs base notes with unused notes of `side` whose key is equal, each in order of the lists.
template <typename Key>
void PairByKey(const std::vector<Note>& base, const std::vector<Note>& side, Key key,
               std::vector<int>& match, std::vector<bool>& used) {
    std::map<decltype(key(side[0])), std::vector<int>> waiting;
    for (int j = static_cast<int>(side.size()) - 1; j >= 0; --j)
        if (!used[j]) waiting[key(side[j])].push_back(j);
    for (std::size_t i = 0; i < base.size(); ++i) {
        if (match[i] >= 0) continue;
        auto found = waiting.find(key(base[i]));
        if (found == waiting.end() || found->second.empty()) continue;
        match[i] = found->second.back();
        found->second.pop_back();
        used[match[i]] = true;
    }
}

// For each base note, the note of `side` that is it, or -1 when the side deleted it. A note
// left as it was pairs first, so notes of one text only reordered stay unchanged; other notes
// of equal identity pair in order; a note whose identity changed is found by its place.
std::vector<int> MatchToBase(const std::vector<Note>& base, const std::vector<Note>& side) {
    std::vector<int> match(base.size(), -1);
    std::vector<bool> used(side.size(), false);
    if (side.empty()) return match;
    PairByKey(
        base, side, [](const Note& note) { return FormatNote(note); }, match, used);
    PairByKey(base, side, IdentityOf, match, used);
    PairByKey(
        base, side, [](const Note& note) { return std::make_pair(note.x, note.y); }, match, used);
    return match;
}

std::vector<int> Inverse(const std::vector<int>& match, std::size_t sideSize) {
    std::vector<int> baseOf(sideSize, -1);
    for (std::size_t i = 0; i < match.size(); ++i)
        if (match[i] >= 0) baseOf[match[i]] = static_cast<int>(i);
    return baseOf;
}

struct Placed {
    Note note;
    int theirs = -1;  // the note of theirs this one stands for, to place theirs' own notes
    bool addedHere = false;
};

}  // namespace

bool SameNotes(const std::vector<Note>& a, const std::vector<Note>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SameVersion(a[i], b[i])) return false;
    return true;
}

MergeResult MergeNotes(const std::vector<Note>& base, const std::vector<Note>& ours,
                       const std::vector<Note>& theirs) {
    std::vector<int> oursOf = MatchToBase(base, ours);
    std::vector<int> theirsOf = MatchToBase(base, theirs);
    std::vector<int> baseOfOurs = Inverse(oursOf, ours.size());
    std::vector<int> baseOfTheirs = Inverse(theirsOf, theirs.size());

    MergeResult result;
    // What becomes of each base note: kept as ours, as theirs, or gone.
    std::vector<std::optional<Note>> kept(base.size());
    std::vector<bool> keptFromTheirsOnly(base.size(), false);
    for (std::size_t i = 0; i < base.size(); ++i) {
        int o = oursOf[i], t = theirsOf[i];
        if (o >= 0 && t >= 0) {
            const Note& mine = ours[o];
            const Note& other = theirs[t];
            if (SameVersion(mine, base[i])) {
                kept[i] = other;
            } else {
                kept[i] = mine;
                if (!SameVersion(other, base[i]) && !SameVersion(other, mine))
                    result.conflicts.push_back(other);
            }
        } else if (o >= 0) {
            // An edit here outweighs a deletion there: the note stays.
            if (SameVersion(ours[o], base[i]))
                result.deleted.push_back(ours[o]);
            else
                kept[i] = ours[o];
        } else if (t >= 0 && !SameVersion(theirs[t], base[i])) {
            kept[i] = theirs[t];
            keptFromTheirsOnly[i] = true;
        }
    }

    if (SameNotes(ours, base)) {
        result.notes = theirs;
        return result;
    }
    if (SameNotes(theirs, base)) {
        result.notes = ours;
        return result;
    }

    // Ours gives the order; notes only theirs holds follow the note of theirs before them.
    std::vector<Placed> placed;
    for (std::size_t j = 0; j < ours.size(); ++j) {
        int i = baseOfOurs[j];
        if (i < 0) {
            placed.push_back({ours[j], -1, true});
            continue;
        }
        if (kept[i]) placed.push_back({*kept[i], theirsOf[i], false});
    }
    int previous = -1;  // the place after the last note of theirs already standing
    for (std::size_t k = 0; k < theirs.size(); ++k) {
        int i = baseOfTheirs[k];
        bool onlyTheirs = i < 0 || keptFromTheirsOnly[i];
        if (!onlyTheirs) {
            for (std::size_t p = 0; p < placed.size(); ++p)
                if (placed[p].theirs == static_cast<int>(k)) previous = static_cast<int>(p);
            continue;
        }
        bool addedAlike = false;  // both PCs added the very same note: it is one note
        for (std::size_t p = 0; p < placed.size() && i < 0 && !addedAlike; ++p) {
            if (!placed[p].addedHere || !SameVersion(placed[p].note, theirs[k])) continue;
            placed[p].addedHere = false;
            placed[p].theirs = static_cast<int>(k);
            previous = static_cast<int>(p);
            addedAlike = true;
        }
        if (addedAlike) continue;
        placed.insert(placed.begin() + (previous + 1), {theirs[k], static_cast<int>(k), false});
        ++previous;
    }
    for (Placed& p : placed) result.notes.push_back(std::move(p.note));
    return result;
}

std::vector<Note> MergedBoard(MergeResult merged, bool conflictsKept) {
    if (!conflictsKept)
        for (Note& note : merged.conflicts) merged.notes.push_back(std::move(note));
    return std::move(merged.notes);
}

std::string ConflictFileName(std::string_view boardName, const LocalTime& now) {
    std::string_view stem = boardName;
    if (stem.size() > 4 && stem.substr(stem.size() - 4) == ".txt") stem.remove_suffix(4);
    return std::string(stem) + "_" + kConflictMarker + "_" + DateTimeStamp(now) + ".txt";
}

std::string ConflictRecords(std::vector<Note> conflicts) {
    std::string text;
    for (Note& note : conflicts) {
        note.common = 0;
        text += FormatNote(note);
    }
    return text;
}
