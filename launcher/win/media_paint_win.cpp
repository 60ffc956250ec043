#include "launcher/win/media_paint_win.h"

#include <cstdlib>

#include "common/file_io.h"
#include "common/window_shape_win.h"
#include "common/window_text_win.h"
#include "launcher/model/colours.h"
#include "launcher/rules/media_note.h"
#include "launcher/win/app_state_win.h"
#include "launcher/win/image_library_win.h"
#include "launcher/win/note_table_win.h"
#include "launcher/win/note_window_win.h"

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

// The picture over the note's background, from the top across the whole width, down to the
// picture's bottom: what beside (or, in a picture with transparency, under) it shows is the
// note's own colour, not what the screen held before.
void DrawPictureBand(HDC dc, const Picture& picture, const MediaLayout& layout, int width,
                     HBRUSH background) {
    RECT band{0, 0, width, layout.imageHeight};
    FillRect(dc, &band, background);
    picture.Draw(dc, layout.imageWidth, layout.imageHeight);
}

// Decoding and scaling a large picture takes seconds: the band is drawn once into a bitmap
// kept with the note, and a repaint copies it until its key changes. Where no bitmap of that
// size can be had, the picture is drawn straight away as before.
const MediaLayout& PaintPicture(HDC dc, NoteWindows& slot, const PictureKey& key) {
    HDC memory = CreateCompatibleDC(dc);
    if (!PictureStillValid(slot.pictureKey, key)) {
        if (slot.picture) DeleteObject(slot.picture);
        slot.picture = nullptr;
        slot.pictureKey.reset();
        Picture picture(key.path);
        slot.pictureLayout = PlaceMedia(key.width, key.height, picture.width, picture.height);
        const MediaLayout& layout = slot.pictureLayout;
        bool drawable = layout.imageHeight > 0 && key.width > 0;
        if (drawable && memory)
            slot.picture = CreateCompatibleBitmap(dc, key.width, layout.imageHeight);
        if (drawable && !slot.picture) {
            DrawPictureBand(dc, picture, layout, key.width, slot.backBrush);
            if (memory) DeleteDC(memory);
            return layout;
        }
        if (slot.picture) {
            HGDIOBJ old = SelectObject(memory, slot.picture);
            DrawPictureBand(memory, picture, layout, key.width, slot.backBrush);
            SelectObject(memory, old);
        }
        slot.pictureKey = key;  // an empty band has nothing to decode again either
    }
    if (slot.picture) {
        HGDIOBJ old = SelectObject(memory, slot.picture);
        BitBlt(dc, 0, 0, key.width, slot.pictureLayout.imageHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
    }
    if (memory) DeleteDC(memory);
    return slot.pictureLayout;
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
    const Note& n = slot.note;
    PictureKey key{chosen, FileWriteTime(chosen), client.right, client.bottom,
                   static_cast<unsigned>(
                       ToColorRef(ColourOf(n.backColor, n.backRed, n.backGreen, n.backBlue)))};
    MediaLayout layout = PaintPicture(dc, ui.noteWindows[index], key);
    MoveWindow(textControl, 0, layout.textTop, client.right, layout.textHeight, FALSE);
}
