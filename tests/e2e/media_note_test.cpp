// Notes that show a picture, a text file or a folder's pictures, and pictures pasted from the
// clipboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/ui.h"
#include "harness/wait.h"
#include "launcher/resources/messages.h"

namespace {

// A 24-bit picture of one colour: left half `left`, right half `right`.
std::string Bitmap(int width, int height, COLORREF left, COLORREF right) {
    int stride = (width * 3 + 3) & ~3;
    std::string bytes(54 + static_cast<std::size_t>(stride) * height, '\0');
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B', bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    bytes[26] = 1, bytes[28] = 24;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            COLORREF c = x < width / 2 ? left : right;
            std::size_t at = 54 + static_cast<std::size_t>(y) * stride + x * 3;
            bytes[at] = static_cast<char>(GetBValue(c));
            bytes[at + 1] = static_cast<char>(GetGValue(c));
            bytes[at + 2] = static_cast<char>(GetRValue(c));
        }
    return bytes;
}

Note MediaNote(const std::string& mediaPath, int x, int y, int size) {
    Note note = BoardNote("付箋", x, y, size, size);
    note.mediaPath = mediaPath;
    note.borderless = 1;  // the client area is the whole note
    return note;
}

void Repaint(HWND note) {
    InvalidateRect(note, nullptr, TRUE);
    UpdateWindow(note);
}

bool Near(COLORREF a, COLORREF b) {
    auto close = [](int x, int y) { return x - y < 3 && y - x < 3; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
           close(GetBValue(a), GetBValue(b));
}

// A picture and nothing else on the clipboard, as a screenshot puts it there.
bool PutPictureOnClipboard(int width, int height) {
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, picture);
    CloseClipboard();
    return true;
}

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 160, 0);

}  // namespace

TEST(MediaNote, APictureIsScaledIntoTheTopAndTheTextStandsBelow) {
    Install inst = Install::Fresh().WithFile("pics\\wide.bmp", Bitmap(400, 200, kRed, kBlue));
    inst.WithBoard("marnelo.txt", {MediaNote(inst.PathOf("pics\\wide.bmp"), 300, 300, 100)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    NoteView v = app.Notes()[0];
    // 400 by 200 in 100 by 100: drawn 100 by 50, its halves side by side.
    EXPECT_TRUE(ShowsColourAt(v.rect.left + 20, v.rect.top + 25, kRed));
    EXPECT_TRUE(ShowsColourAt(v.rect.left + 80, v.rect.top + 25, kBlue));
    EXPECT_TRUE(ShowsColourAt(v.rect.left + 80, v.rect.top + 75, RGB(255, 255, 255)));
    HWND text = GetWindow(v.window, GW_CHILD);
    RECT r{};
    GetWindowRect(text, &r);
    EXPECT_EQ(r.top - v.rect.top, 50);
    EXPECT_EQ(r.bottom - r.top, 50);
    EXPECT_EQ(r.right - r.left, 100);
    ASSERT_EQ(app.End(), 0);
}

TEST(MediaNote, ATallPictureStandsOnTheNotesBackground) {
    Install inst = Install::Fresh().WithFile("pics\\tall.bmp", Bitmap(40, 200, kRed, kBlue));
    Note note = MediaNote(inst.PathOf("pics\\tall.bmp"), 300, 300, 100);
    note.backColor = 12;  // Yellow
    inst.WithBoard("marnelo.txt", {note});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    NoteView v = app.Notes()[0];
    // 40 by 200 in 100 by 100: drawn 20 by 100 at the left, the note's colour beside it.
    EXPECT_TRUE(ShowsColourAt(v.rect.left + 5, v.rect.top + 50, kRed));
    EXPECT_TRUE(ShowsColourAt(v.rect.left + 15, v.rect.top + 50, kBlue));
    constexpr COLORREF kYellow = RGB(255, 255, 0);
    EXPECT_TRUE(ShowsColourAt(v.rect.left + 60, v.rect.top + 50, kYellow));
    RECT beside{v.rect.left + 25, v.rect.top + 10, v.rect.right - 10, v.rect.bottom - 10};
    std::vector<DWORD> pixels = ScreenPixels(beside);
    EXPECT_EQ(std::count_if(pixels.begin(), pixels.end(),
                            [](DWORD p) { return (p & 0xFFFFFF) != 0xFFFF00; }),
              0);
    Repaint(v.window);  // the kept drawing, not a new decoding, shows the same
    EXPECT_TRUE(ShowsColourAt(v.rect.left + 5, v.rect.top + 50, kRed));
    EXPECT_TRUE(ShowsColourAt(v.rect.left + 60, v.rect.top + 50, kYellow));
    ASSERT_EQ(app.End(), 0);
}

TEST(MediaNote, AFolderNoteShowsOnlyItsPictures) {
    Install inst = Install::Fresh()
                       .WithFile("pics\\a.bmp", Bitmap(40, 40, kBlue, kBlue))
                       .WithFile("pics\\b.BMP", Bitmap(40, 40, kGreen, kGreen))
                       .WithFile("pics\\c.doc", Bitmap(40, 40, kRed, kRed))
                       .WithFile("pics\\d.bmp\\e.bmp", Bitmap(40, 40, kRed, kRed));
    inst.WithBoard("marnelo.txt", {MediaNote(inst.PathOf("pics"), 300, 300, 100)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    NoteView v = app.Notes()[0];
    std::set<COLORREF> seen;
    for (int i = 0; i < 30; ++i) {
        Repaint(v.window);
        for (int look = 0; look < 3; ++look) {
            COLORREF c = ScreenColourAt(v.rect.left + 50, v.rect.top + 30);
            EXPECT_FALSE(Near(c, kRed)) << "a .doc file or a folder was shown";
            if (Near(c, kBlue) || Near(c, kGreen)) seen.insert(Near(c, kBlue) ? kBlue : kGreen);
            Sleep(15);
        }
    }
    EXPECT_EQ(seen.size(), 2u) << "both pictures come up at random";
    ASSERT_EQ(app.End(), 0);
}

TEST(MediaNote, ATextFileNoteShowsAndSavesTheFilesText) {
    Install inst = Install::Fresh().WithFile("memo.TXT", "メモの中身\r\n二行目");
    Note note = BoardNote("元の文", 300, 300, 200, 80);
    note.mediaPath = inst.PathOf("memo.TXT");
    inst.WithBoard("marnelo.txt", {note});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForTexts({"メモの中身\r\n二行目"}));
    DeleteFileA(inst.PathOf("memo.TXT").c_str());
    Repaint(app.NoteWindows()[0]);
    ASSERT_EQ(app.End(), 0);
    EXPECT_EQ(inst.BoardTexts("fdir\\marnelo.txt"),
              std::vector<std::string>{"メモの中身\r\n二行目"})
        << "a file gone since keeps the text shown";
}

TEST(MediaNote, AClipboardPictureBecomesAJpegAndAnImageNote) {
    Install inst = Install::Fresh().WithBoard("marnelo.txt", {BoardNote("元", 500, 500)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    ASSERT_TRUE(PutPictureOnClipboard(64, 48));
    ASSERT_EQ(RunSecondCopy(inst, "clipb"), 0);
    ASSERT_TRUE(app.WaitForNotes(2));
    ASSERT_EQ(app.End(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 2u);
    const Note& image = saved[1];
    EXPECT_EQ(image.width, 64);
    EXPECT_EQ(image.height, 48);
    EXPECT_EQ(image.mediaPath.rfind(inst.PathOf("img\\clipImg"), 0), 0u) << image.mediaPath;
    std::string jpeg = inst.Read(image.mediaPath.substr(inst.Folder().size()));
    EXPECT_EQ(jpeg.substr(0, 3), "\xFF\xD8\xFF") << "a JPEG file";
}

TEST(MediaNote, ClipboardPicturesNeverShareAFileAndOneNotSavedMakesNoBrokenNote) {
    // A file named "img" leaves no image folder to write a picture into.
    Install inst = Install::Fresh()
                       .WithFile("img", "no folder")
                       .WithBoard("marnelo.txt", {BoardNote("元", 500, 500)});
    Marnelo app(inst);
    ASSERT_TRUE(app.WaitForNotes(1));
    HWND note = app.NoteWindows()[0];
    ASSERT_TRUE(PutPictureOnClipboard(64, 48));
    // What a second start "clipb" sends; posted, as the message box holds the answer back.
    PostMessageA(note, MSG_CLIPB, 0, 0);
    HWND box = WaitForMessageBox(app.Id(), "エラー");
    ASSERT_NE(box, nullptr) << "a picture that was not saved is reported";
    EXPECT_EQ(MessageBoxText(box), "画像を保存できませんでした。");
    PressButton(box, IDOK);
    ASSERT_TRUE(app.WaitForNotes(2));

    ASSERT_TRUE(DeleteFileA(inst.PathOf("img").c_str()));
    // Two hand-overs back to back early in a second: both pictures are named by that second.
    WaitFor(
        [] {
            SYSTEMTIME now;
            GetLocalTime(&now);
            return now.wMilliseconds < 200;
        },
        2000, 5);
    for (int i = 0; i < 2; ++i)
        ASSERT_NE(SendMessageTimeoutA(note, MSG_CLIPB, 0, 0, SMTO_NORMAL, 10000, nullptr), 0);
    ASSERT_TRUE(app.WaitForNotes(4));
    ASSERT_EQ(app.End(), 0);
    std::vector<Note> saved = inst.Board("fdir\\marnelo.txt");
    ASSERT_EQ(saved.size(), 4u);
    EXPECT_EQ(saved[1].mediaPath, "") << "the plain note, pointing at no missing file";
    EXPECT_NE(saved[2].mediaPath, saved[3].mediaPath);
    for (int i : {2, 3}) {
        std::string jpeg = inst.Read(saved[i].mediaPath.substr(inst.Folder().size()));
        EXPECT_EQ(jpeg.substr(0, 3), "\xFF\xD8\xFF") << saved[i].mediaPath;
    }
}
