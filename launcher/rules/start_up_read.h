// start_up_read.h — how start-up reads the outside board list and the board: a file that holds
// content but cannot be read (held by another program, say) is asked about once, for both
// files together, and read again on Yes; a board that cannot be read in the end, or holds next
// to nothing, is replaced on screen by the common notes with a default note.
#pragma once
#include <cstdint>

class StartUpFiles {
  public:
    virtual ~StartUpFiles() = default;
    // Each true when the file was read and what it holds taken in.
    virtual bool ReadOutsideList() = 0;
    virtual bool ReadBoard() = 0;
    // Whether a file that could not be read may hold something worth asking about.
    virtual bool OutsideListHoldsContent() = 0;
    virtual bool BoardHoldsContent() = 0;
    // "ファイルの読み込みに失敗しました。再読み込みしますか？"; true for Yes.
    virtual bool AskToReadAgain() = 0;
    // In place of the board: its common notes, with the default note when asked.
    virtual void ShowCommonNotes(bool withDefaultNote) = 0;
};

void ReadFilesAtStartUp(StartUpFiles& files);

// Whether a file that could not be read may hold something worth asking about: more than a
// few bytes, or a path whose attributes cannot be read (asking again is safer than letting a
// default note stand in for a board that may hold notes). A folder holds nothing.
bool HoldsContent(std::uint64_t size, bool mayExist, bool isFile, bool isFolder);
