// board_edits.h — the rules of deleting a note and of moving one to another board.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "common/date_stamp.h"
#include "launcher/model/paths.h"

// What a deleted note leaves in the deleted-notes file of its board: a dated header, then its
// record.
std::string DeletedNoteEntry(const LocalTime& now, std::string_view record);

// A target with a backslash is a path; a plain name is a board of the data folder.
bool IsPlainBoardName(std::string_view target);
std::string MoveTargetPath(std::string_view target, std::string_view dataFolder);

// Moving onto the board on screen (in any letter case), or onto the common file whose notes
// are all on screen, would be undone by the next save.
bool MoveUndoneBySave(std::string_view path, std::string_view boardPath,
                      const LauncherPaths& paths);

// Whether the target board, as `read` found it, may be replaced to take a moved note: not when
// it holds something other than notes, nor when it could not be read but may hold notes.
bool BoardTakesMovedNote(const std::optional<std::string>& read, bool mayHoldNotes);

// The target board with the moved note's `record` in front; a board that is not there starts
// empty.
std::string BoardWithMovedNote(std::string_view record, const std::optional<std::string>& read);

// An index into the table after slot `removed` went: the removed note itself becomes -1
// (none), later notes move down by one.
int IndexAfterRemoval(int index, int removed);
