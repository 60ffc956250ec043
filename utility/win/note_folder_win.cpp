#include "utility/win/note_folder_win.h"

#include "common/file_io.h"
#include "utility/model/read_ahead.h"
#include "utility/rules/delete_rules.h"
#include "utility/win/recycle_file_win.h"
#include "utility/win/utility_app_win.h"

// The listed folder stays: the list view shows its entries above the notes, and emptying
// them here would leave the title and NowDir naming a folder that is no longer shown.
void LoadNoteFolder(const std::string& folder, bool boardsOnly, int pastFlag) {
    std::vector<BoardSource> sources =
        BoardSources(folder, ListFileNames(folder),
                     ReadWholeFile(quorvel.fileListPath).value_or(""), boardsOnly);
    if (boardsOnly) {
        for (const BoardSource& source : sources)
            AddBoard(quorvel.notes.boards, source.board, pastFlag, quorvel.settings.addmode);
        return;
    }
    std::vector<std::string> paths;
    for (const BoardSource& source : sources) paths.push_back(source.path);
    ReadAhead files(paths, ReadWholeFile);
    for (std::size_t at = 0; at < files.size(); ++at) {
        if (std::optional<std::string> content = files.Take(at))
            TakeNoteFile(quorvel.notes, sources[at].board, std::move(*content));
    }
}

// A board whose file stays (held by Marnelo, say) stays in the list too, or it would come
// back at the next start as if it had been deleted.
bool DeleteBoardFile(const std::string& name) {
    std::optional<std::string> path =
        BoardFileToDelete(quorvel.notes.boards, quorvel.exeFolder, name);
    if (!path || !RecycleFiles({*path})) return false;
    RemoveBoard(quorvel.notes.boards, name);
    return true;
}
