#include "launcher/win/note_loader_win.h"

#include "common/clipboard_win.h"
#include "common/date_stamp.h"
#include "common/file_io.h"
#include "common/window_text_win.h"
#include "launcher/model/board_save.h"
#include "launcher/model/note_file.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/board_sync_win.h"
#include "launcher/win/image_library_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/note_window_win.h"

int LoadNotes(const std::string& text, const std::string& boardPath, bool withDefaultNote) {
    NoteDefaults defaults{marnelo.settings.miniWidth, marnelo.settings.miniHeight};
    DecodedNotes board = DecodeNoteFile(text, true, defaults);
    if (board.unreadable) marnelo.board.boardUnreadable = true;
    RememberRead(marnelo.board.boardRead, marnelo.board.currentBoardPath, text);
    std::vector<Note> common;
    if (!IsCommonFile(boardPath, marnelo.paths)) {
        // Decoded apart from the board, so a board cut before its last CR LF cannot swallow
        // the first common note into its own record.
        std::optional<std::string> commonText = ReadWholeFile(marnelo.paths.commonFile);
        DecodedNotes decoded =
            DecodeNoteFile(commonText, !commonText && MayExist(marnelo.paths.commonFile), defaults);
        marnelo.board.commonUnreadable = decoded.unreadable;
        RememberRead(marnelo.board.commonRead, marnelo.paths.commonFile,
                     commonText ? *commonText : std::string());
        common = std::move(decoded.notes);
    }
    ShowNotes(board.notes, common, withDefaultNote);
    return notes.Count();
}

namespace {

// A note made on the user's asking goes where no shown note stands exactly: else nothing would
// seem to happen. A note shrunk away for the Edit dialog is not shown.
HWND CreateNewNote(Note note) {
    std::vector<NotePlace> shown;
    for (int i = 0; i < notes.Count(); ++i) {
        WindowBox box = NoteBox(i);
        if (box.width > 0) shown.push_back({box.left, box.top});
    }
    NotePlace place =
        FreeNotePlace({note.x, note.y}, shown, marnelo.screenWidth, marnelo.screenHeight);
    note.x = place.x;
    note.y = place.y;
    return CreateNoteWindow(note);
}

}  // namespace

HWND CreateDefaultNote() {
    return CreateNewNote(MakePlainNote(marnelo.settings));
}

HWND CreateNoteFromClipboard(NewNoteKind kind) {
    std::optional<std::string> text = TakeClipboardText();
    if (MakesTextNote(text))
        return CreateNewNote(MakeClipboardTextNote(kind, *text, marnelo.settings, notes.runningX,
                                                   marnelo.screenWidth));
    CreateFolder(marnelo.paths.imageFolder);
    std::string path = ClipboardImagePath(marnelo.paths.imageFolder, LocalNow(),
                                          [](const std::string& name) { return MayExist(name); });
    ClipboardPicture picture = SaveClipboardBitmapAsJpeg(path);
    // A picture that was not written makes the plain note, as every other failure does: an
    // image note would point at nothing.
    if (picture.result >= 0)
        return CreateNewNote(MakeImageNote(marnelo.settings, path, picture.width, picture.height));
    return CreateDefaultNote();
}

Note NoteOnScreen(int index) {
    return SavedRecordOf(notes, index, WindowText(ui.noteWindows[index].textControl),
                         NoteBox(index));
}

std::string SerializeNote(int index) {
    return FormatNote(NoteOnScreen(index));
}

void ShowNotes(const std::vector<Note>& board, const std::vector<Note>& common,
               bool withDefaultNote) {
    DestroyAllNoteWindows();
    for (const Note& note : board) CreateNoteWindow(note);
    for (const Note& note : common) CreateNoteWindow(note);
    if (NeedsDefaultNote(withDefaultNote, notes.Count())) CreateDefaultNote();
}
