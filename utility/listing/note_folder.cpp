#include "utility/listing/note_folder.h"

#include "common/file_io.h"
#include "common/text_lines.h"
#include "utility/commands/recycle_file.h"
#include "utility/frame/utility_app.h"

namespace {

// A line of the list may hold its path in quotes, as a board name may.
std::string Unquoted(const std::string& line) {
    if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
        return line.substr(1, line.size() - 2);
    return line;
}

}  // namespace

void ParseNoteFile(const std::string& board, const std::string& path) {
    std::optional<std::string> content = ReadWholeFile(path);
    if (content) ParseNoteText(utility.notes, board, *content);
}

// The listed folder stays: the list view shows its entries above the notes, and emptying
// them here would leave the title and NowDir naming a folder that is no longer shown.
void LoadNoteFolder(const std::string& folder, bool boardsOnly, int pastFlag) {
    for (const std::string& name : ListFileNames(folder)) {
        if (boardsOnly)
            AddBoard(utility.notes.boards, name, pastFlag, utility.settings.addmode);
        else
            ParseNoteFile(name, folder + "\\" + name);
    }
    std::optional<std::string> list = ReadWholeFile(utility.fileListPath);
    if (!list) return;
    for (const std::string& line : SplitLines(*list)) {
        if (boardsOnly) {
            AddBoard(utility.notes.boards, line, pastFlag, utility.settings.addmode);
        } else {
            std::string path = Unquoted(line);
            ParseNoteFile(path, path);
        }
    }
}

// A board whose file stays (held by Marnelo, say) stays in the list too, or it would come
// back at the next start as if it had been deleted.
void DeleteBoardFile(const std::string& name) {
    if (RecycleFile(BoardFilePath(utility.exeFolder, name)))
        RemoveBoard(utility.notes.boards, name);
}
