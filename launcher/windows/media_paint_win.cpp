#include "launcher/windows/media_paint_win.h"

#include <cstdlib>

#include "common/file_io.h"
#include "common/window_text_win.h"
#include "launcher/frame/app_state_win.h"
#include "launcher/notes/note_table_win.h"
#include "launcher/windows/image_library_win.h"
#include "launcher/windows/media_note.h"
#include "launcher/windows/note_window_win.h"

namespace {

std::vector<MediaListingEntry> ListPattern(const std::string& pattern) {
    std::vector<MediaListingEntry> entries;
    WIN32_FIND_DATAA entry{};
    HANDLE find = FindFirstFileA(pattern.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do {
        entries.push_back(
            {entry.cFileName, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return entries;
}

const std::vector<std::string>& FolderFiles(NoteSlot& slot) {
    std::string pattern = MediaListingPattern(slot.note.mediaPath);
    FolderListingCache& cache = slot.folderListing;
    unsigned now = GetTickCount();
    if (!cache.Fresh(pattern, now)) {
        cache.files = FolderNoteFiles(pattern, ListPattern(pattern), marnelo.settings.extensions);
        cache.pattern = pattern;
        cache.takenAt = now;
        cache.taken = true;
    }
    return cache.files;
}

}  // namespace

void PaintNoteMedia(HDC dc, HWND window) {
    int index = FindNoteOfWindow(window);
    if (index < 0 || notes.slots[index].note.mediaPath.empty()) return;
    NoteSlot& slot = notes.slots[index];
    HWND textControl = ui.noteWindows[index].textControl;
    std::string chosen =
        ChooseMediaFile(slot.note.mediaPath, FolderFiles(slot), static_cast<unsigned>(std::rand()));
    if (IsTextMedia(chosen)) {
        std::optional<std::string> text = ReadWholeFile(chosen);
        if (ReplacesNoteText(text, WindowText(textControl)))
            SetWindowTextA(textControl, text->c_str());
        return;
    }
    RECT client{};
    GetClientRect(window, &client);
    Picture picture(chosen);
    MediaLayout layout = PlaceMedia(client.right, client.bottom, picture.width, picture.height);
    picture.Draw(dc, layout.imageWidth, layout.imageHeight);
    MoveWindow(textControl, 0, layout.textTop, client.right, layout.textHeight, FALSE);
}
