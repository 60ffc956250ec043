// board_edits.h — the rules of deleting a note and of moving one to another board.
#pragma once
#include <string>
#include <string_view>

// A target with a backslash is a path; a plain name is a board of the data folder.
std::string MoveTargetPath(std::string_view target, std::string_view dataFolder);

// An index into the table after slot `removed` went: the removed note itself becomes -1
// (none), later notes move down by one.
int IndexAfterRemoval(int index, int removed);
