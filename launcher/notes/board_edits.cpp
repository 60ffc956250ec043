#include "launcher/notes/board_edits.h"

#include "common/sjis.h"

std::string MoveTargetPath(std::string_view target, std::string_view dataFolder) {
    if (ContainsChar(target, '\\')) return std::string(target);
    std::string path(dataFolder);
    path += '\\';
    path += target;
    return path;
}

int IndexAfterRemoval(int index, int removed) {
    if (index == removed) return -1;
    return index > removed ? index - 1 : index;
}
