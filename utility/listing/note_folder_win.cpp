#include "utility/listing/note_folder_win.h"

#include "common/file_io.h"
#include "common/quotes.h"
#include "common/text_lines.h"
#include "utility/commands/recycle_file_win.h"
#include "utility/frame/utility_app_win.h"
#include "utility/listing/read_ahead.h"

// The listed folder stays: the list view shows its entries above the notes, and emptying
// them here would leave the title and NowDir naming a folder that is no longer shown.
void LoadNoteFolder(const std::string& folder, bool boardsOnly, int pastFlag) {
    // The folder's boards by name, then the outside boards by path.
    std::vector<std::string> boards = ListFileNames(folder);
    std::vector<std::string> paths;
    for (const std::string& name : boards) paths.push_back(folder + "\\" + name);
    if (std::optional<std::string> list = ReadWholeFile(quorvel.fileListPath)) {
        for (const std::string& line : SplitLines(*list)) {
            boards.push_back(boardsOnly ? line : WithoutEnclosingQuotes(line));
            paths.push_back(WithoutEnclosingQuotes(line));
        }
    }
    if (boardsOnly) {
        for (const std::string& board : boards)
            AddBoard(quorvel.notes.boards, board, pastFlag, quorvel.settings.addmode);
        return;
    }
    ReadAhead files(paths, ReadWholeFile);
    for (std::size_t at = 0; at < files.size(); ++at) {
        if (std::optional<std::string> content = files.Take(at))
            TakeNoteFile(quorvel.notes, boards[at], std::move(*content));
    }
}

// A board whose file stays (held by Marnelo, say) stays in the list too, or it would come
// back at the next start as if it had been deleted.
void DeleteBoardFile(const std::string& name) {
    if (RecycleFile(BoardFilePath(quorvel.exeFolder, name)))
        RemoveBoard(quorvel.notes.boards, name);
}
