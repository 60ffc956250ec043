// board_stepping.h — the neighbouring board for "next" and "prev": the folder boards and then
// the outside boards form one ring, in the order of the lists.
#pragma once
#include <optional>
#include <string>
#include <vector>

// "next" goes to the board before the current one in the lists, "prev" to the one after it.
enum class BoardStep { Next, Prev };

// Nothing when the current board is in neither list, when it is the only folder
// board, or when the step leaves the outside boards and there are no folder boards.
std::optional<std::string> SteppedBoard(const std::string& currentPath,
                                        const std::vector<std::string>& folderBoards,
                                        const std::vector<std::string>& outsideBoards,
                                        BoardStep step);
