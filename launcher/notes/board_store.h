// board_store.h — where the boards lie: the data folder's board files.
#pragma once

// Fills folderBoards anew with the names of the data folder's files.
void ScanFolderBoards();
