// media_paint_win.h — painting a note that shows a picture, a text file or a folder's pictures.
#pragma once
#include <windows.h>

// Called between the beginning and the end of the note window's paint; does nothing for a note
// without a media path.
void PaintNoteMedia(HDC dc, HWND window);
