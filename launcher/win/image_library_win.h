// image_library_win.h — the image library that decodes, draws and encodes the pictures of notes.
#pragma once
#include <windows.h>

#include <string>

bool StartImageLibrary();
void StopImageLibrary();

// A picture file loaded for drawing; `width` and `height` are 0 when nothing could be loaded.
class Picture {
  public:
    explicit Picture(const std::string& path);  // code page 932, any length
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    int width = 0, height = 0;
    // Draws the picture at (0, 0) scaled to `drawWidth` by `drawHeight`.
    void Draw(HDC dc, int drawWidth, int drawHeight) const;

  private:
    void* image_ = nullptr;
};

// What saving the clipboard's bitmap gave: 0 written, -1 no JPEG encoder, -2 no bitmap data,
// -3 no bitmap format offered, -4 the file could not be written (no path, no folder, no room).
struct ClipboardPicture {
    int result = -3;
    int width = 0, height = 0;
};
// No encoder and a file not written are reported with a message box: the picture is lost.
ClipboardPicture SaveClipboardBitmapAsJpeg(const std::string& targetPath);
