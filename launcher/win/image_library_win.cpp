#include "launcher/win/image_library_win.h"

#include <gdiplus.h>

#include <vector>

#include "launcher/resources/texts.h"
#include "launcher/win/app_state_win.h"

namespace {

using namespace Gdiplus::DllExports;

std::wstring Wide(const std::string& text) {
    int length =
        MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            length);
    return wide;
}

bool FindJpegEncoder(CLSID& encoder) {
    UINT count = 0, size = 0;
    if (GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType && lstrcmpW(codecs[i].MimeType, L"image/jpeg") == 0) {
            encoder = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

bool StartImageLibrary() {
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback
    return Gdiplus::GdiplusStartup(&ui.imageLibraryToken, &input, nullptr) == Gdiplus::Ok;
}

void StopImageLibrary() {
    if (ui.imageLibraryToken) Gdiplus::GdiplusShutdown(ui.imageLibraryToken);
    ui.imageLibraryToken = 0;
}

Picture::Picture(const std::string& path) {
    Gdiplus::GpImage* image = nullptr;
    if (GdipLoadImageFromFile(Wide(path).c_str(), &image) != Gdiplus::Ok || !image) return;
    image_ = image;
    UINT w = 0, h = 0;
    GdipGetImageWidth(image, &w);
    GdipGetImageHeight(image, &h);
    width = static_cast<int>(w);
    height = static_cast<int>(h);
}

Picture::~Picture() {
    if (image_) GdipDisposeImage(static_cast<Gdiplus::GpImage*>(image_));
}

void Picture::Draw(HDC dc, int drawWidth, int drawHeight) const {
    if (!image_) return;
    Gdiplus::GpGraphics* graphics = nullptr;
    if (GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok) return;
    GdipDrawImageRectI(graphics, static_cast<Gdiplus::GpImage*>(image_), 0, 0, drawWidth,
                       drawHeight);
    GdipDeleteGraphics(graphics);
}

ClipboardPicture SaveClipboardBitmapAsJpeg(const std::string& targetPath) {
    ClipboardPicture picture;
    if (!IsClipboardFormatAvailable(CF_BITMAP)) return picture;
    picture.result = -2;
    if (!OpenClipboard(nullptr)) return picture;
    HBITMAP bitmapHandle = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    if (!bitmapHandle) {
        CloseClipboard();
        return picture;
    }
    HPALETTE palette = static_cast<HPALETTE>(GetClipboardData(CF_PALETTE));
    Gdiplus::GpBitmap* bitmap = nullptr;
    GdipCreateBitmapFromHBITMAP(bitmapHandle, palette, &bitmap);
    CloseClipboard();
    if (!bitmap) return picture;
    CLSID encoder;
    if (!FindJpegEncoder(encoder)) {
        GdipDisposeImage(bitmap);
        MessageBoxA(nullptr, kNoJpegEncoderText, kErrorCaption, MB_OK);
        picture.result = -1;
        return picture;
    }
    UINT w = 0, h = 0;
    GdipGetImageWidth(bitmap, &w);
    GdipGetImageHeight(bitmap, &h);
    picture.width = static_cast<int>(w);
    picture.height = static_cast<int>(h);
    bool written = !targetPath.empty() && GdipSaveImageToFile(bitmap, Wide(targetPath).c_str(),
                                                              &encoder, nullptr) == Gdiplus::Ok;
    GdipDisposeImage(bitmap);
    if (!written) {
        // The name was free before: what lies there now is a half-written picture.
        if (!targetPath.empty()) DeleteFileA(targetPath.c_str());
        MessageBoxA(nullptr, kPictureNotSavedText, kErrorCaption, MB_OK);
        picture.result = -4;
        return picture;
    }
    picture.result = 0;
    return picture;
}
