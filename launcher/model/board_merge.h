// board_merge.h — a board kept in a folder that a sync service shares between PCs: what this
// run read of a note file, whether the file on disk is still that, and the three-way merge of
// notes when another PC changed it meanwhile.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/date_stamp.h"
#include "launcher/model/note.h"
#include "launcher/model/note_file.h"

// Enough of a file to tell later whether it is still the one read: a sync service may keep the
// size, or touch the time without changing a byte.
struct FileFingerprint {
    bool present = false;
    std::uint64_t size = 0;
    std::uint64_t time = 0;
    std::uint64_t hash = 0;
};

std::uint64_t HashBytes(std::string_view bytes);

// What this run last read or wrote of one note file: the base of the next merge.
struct ReadBase {
    std::string text;
    FileFingerprint print;
};

// The folder entry no longer matches what was read: the file must be read again to know.
bool EntryChanged(const FileFingerprint& read, bool present, std::uint64_t size,
                  std::uint64_t time);

enum class DiskState {
    Same,     // the bytes this run read or wrote
    Changed,  // another PC wrote notes: merge them
    NoNews,   // missing, empty, held or foreign while notes were read: tells nothing
};

// A file that went missing or empty while it held notes is a sync service replacing it or a
// share gone, never "every note deleted".
DiskState JudgeDisk(const std::optional<std::string>& disk, const ReadBase& base,
                    const NoteDefaults& defaults);

enum class SaveStep {
    Write,       // the notes this PC holds go to the file as they are
    Merge,       // merged with what another PC wrote first
    LeaveAlone,  // held, unreadable or foreign: this save does not touch the file
};

// What a save does with a file as its last read found it. A file still missing or empty is
// written with this PC's notes, the only copy known to hold them.
SaveStep PlanSaveStep(DiskState state, const std::optional<std::string>& disk, bool mayExist);

struct MergeResult {
    std::vector<Note> notes;      // the board as both PCs want it
    std::vector<Note> conflicts;  // the other PC's version of notes both changed differently
    std::vector<Note> deleted;    // notes of this side the other PC deleted
};

// Whether a save would write the two lists alike.
bool SameNotes(const std::vector<Note>& a, const std::vector<Note>& b);

// Three-way merge of note lists. A note's identity is its text, command and media path; a note
// whose identity changed on one side is paired with its base note by its place.
MergeResult MergeNotes(const std::vector<Note>& base, const std::vector<Note>& ours,
                       const std::vector<Note>& theirs);

// The board after the merge: when the other PC's versions could not be kept in a conflict file,
// they stay on the board beside this PC's, so that no note is lost.
std::vector<Note> MergedBoard(MergeResult merged, bool conflictsKept);

// The file beside the boards that takes the other PC's version of conflicting notes: the
// board's name, "競合" and the time, so the user sees what it is and which board it belongs to.
std::string ConflictFileName(std::string_view boardName, const LocalTime& now);

// A conflict note stays on the conflict board when that board is opened and saved.
std::string ConflictRecords(std::vector<Note> conflicts);
