#include "launcher/notes/board_store.h"

#include "common/file_io.h"
#include "launcher/frame/app_state.h"
#include "launcher/notes/note_table.h"

void ScanFolderBoards() {
    board.folderBoards = ListFileNames(app.paths.dataFolder);
}
