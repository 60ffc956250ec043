#include "launcher/model/board_edits.h"

#include "common/sjis.h"
#include "launcher/model/board_save.h"
#include "launcher/model/note_file.h"

bool IsPlainBoardName(std::string_view target) {
    return !ContainsChar(target, '\\');
}

std::string MoveTargetPath(std::string_view target, std::string_view dataFolder) {
    if (!IsPlainBoardName(target)) return std::string(target);
    std::string path(dataFolder);
    path += '\\';
    path += target;
    return path;
}

int IndexAfterRemoval(int index, int removed) {
    if (index == removed) return -1;
    return index > removed ? index - 1 : index;
}

bool MoveUndoneBySave(std::string_view path, std::string_view boardPath,
                      const LauncherPaths& paths) {
    return EqualsIgnoringCase(path, boardPath) || IsCommonFile(path, paths);
}

bool BoardTakesMovedNote(const std::optional<std::string>& read, bool mayHoldNotes) {
    if (!read) return !mayHoldNotes;
    return !HoldsForeignContent(*read, ParseNotes(*read, NoteDefaults{}).size());
}

std::string BoardWithMovedNote(std::string_view record, const std::optional<std::string>& read) {
    std::string text(record);
    if (read) text += *read;
    return text;
}

std::string DeletedNoteEntry(const LocalTime& now, std::string_view record) {
    return DeletedNoteHeader(now) + std::string(record);
}
