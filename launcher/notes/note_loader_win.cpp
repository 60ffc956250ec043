#include "launcher/notes/note_loader_win.h"

#include "common/date_stamp.h"
#include "common/file_io.h"
#include "common/window_text_win.h"
#include "launcher/frame/app_state_win.h"
#include "launcher/notes/board_save.h"
#include "launcher/notes/note_file.h"
#include "launcher/notes/note_table_win.h"
#include "common/clipboard_win.h"
#include "launcher/windows/image_library_win.h"
#include "launcher/windows/note_window_win.h"

namespace {

NewNoteSettings NewNoteSettingsNow() {
    return marnelo.settings;
}

}  // namespace

int LoadNotes(const std::string& text, const std::string& boardPath, bool withDefaultNote) {
    notes.expandedNote = -1;
    NoteDefaults defaults{marnelo.settings.miniWidth, marnelo.settings.miniHeight};
    std::vector<Note> loaded = ParseNotes(text, defaults);
    if (HoldsForeignContent(text, loaded.size())) marnelo.board.boardUnreadable = true;
    if (!IsCommonFile(boardPath, marnelo.paths)) {
        // Decoded apart from the board, so a board cut before its last CR LF cannot swallow
        // the first common note into its own record.
        std::optional<std::string> common = ReadWholeFile(marnelo.paths.commonFile);
        marnelo.board.commonUnreadable = !common && MayExist(marnelo.paths.commonFile);
        if (common) {
            std::vector<Note> commonNotes = ParseNotes(*common, defaults);
            marnelo.board.commonUnreadable = HoldsForeignContent(*common, commonNotes.size());
            loaded.insert(loaded.end(), commonNotes.begin(), commonNotes.end());
        }
    }
    DestroyAllNoteWindows();
    for (const Note& note : loaded) CreateNoteWindow(note);
    if (withDefaultNote || notes.Count() == 0) CreateDefaultNote();
    return notes.Count();
}

HWND CreateDefaultNote() {
    return CreateNoteWindow(MakePlainNote(NewNoteSettingsNow()));
}

HWND CreateNoteFromClipboard(NewNoteKind kind) {
    std::optional<std::string> text = TakeClipboardText();
    if (text && !text->empty())
        return CreateNoteWindow(MakeClipboardTextNote(kind, *text, NewNoteSettingsNow(),
                                                      notes.runningX, marnelo.screenWidth));
    CreateFolder(marnelo.paths.imageFolder);
    std::string path = marnelo.paths.imageFolder + "\\" + ClipboardImageName(LocalNow());
    ClipboardPicture picture = SaveClipboardBitmapAsJpeg(path);
    if (picture.result >= 0)
        return CreateNoteWindow(
            MakeImageNote(NewNoteSettingsNow(), path, picture.width, picture.height));
    return CreateDefaultNote();
}

std::string SerializeNote(int index) {
    NoteSlot& slot = notes.slots[index];
    RaiseMiniSize(slot.note);
    Note record = slot.note;
    record.text = WindowText(slot.textControl);
    if (notes.editorOpen && index == notes.editedNote) {
        record.x = notes.editedOrigin.x;
        record.y = notes.editedOrigin.y;
        return FormatNote(record);
    }
    RECT rect{};
    GetWindowRect(slot.window, &rect);
    record.x = rect.left;
    record.y = rect.top;
    // A mini note shown at full size may have been resized meanwhile: that is its full size.
    if (!record.mini || index == notes.expandedNote) {
        record.width = rect.right - rect.left;
        record.height = rect.bottom - rect.top;
    }
    return FormatNote(record);
}
