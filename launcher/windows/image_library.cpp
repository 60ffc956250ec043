#include "launcher/windows/image_library.h"

#include <windows.h>
#include <gdiplus.h>

namespace {
ULONG_PTR imageLibraryToken = 0;
}

bool StartImageLibrary() {
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback
    return Gdiplus::GdiplusStartup(&imageLibraryToken, &input, nullptr) == Gdiplus::Ok;
}

void StopImageLibrary() {
    if (imageLibraryToken) Gdiplus::GdiplusShutdown(imageLibraryToken);
    imageLibraryToken = 0;
}
