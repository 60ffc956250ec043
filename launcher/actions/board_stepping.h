// board_stepping.h — the neighbouring board for "next" and "prev": the folder boards and then
// the outside boards form one ring, in the order of the lists.
#pragma once
#include <optional>
#include <string>
#include <vector>

// +1 ("prev") goes to the board after the current one in the lists, -1 ("next") to the one
// before. Nothing when the current board is in neither list, when it is the only folder
// board, or when the step leaves the outside boards and there are no folder boards.
std::optional<std::string> SteppedBoard(const std::string& currentPath,
                                        const std::vector<std::string>& folderBoards,
                                        const std::vector<std::string>& outsideBoards,
                                        int direction);
