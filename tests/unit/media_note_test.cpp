#include "launcher/rules/media_note.h"

#include <gtest/gtest.h>

namespace {
const char* const kExtensions = ".bmp.png.gif.jpg.jpeg.tiff.txt";
}

TEST(MediaNote, PatternsAndExtensions) {
    EXPECT_EQ(MediaListingPattern("C:\\pics"), "C:\\pics\\*");
    EXPECT_EQ(MediaListingPattern("C:\\pics\\"), "C:\\pics\\*");
    EXPECT_EQ(MediaListingPattern("C:\\pics\\a*"), "C:\\pics\\a*");
    EXPECT_EQ(MediaListingPattern("C:\\表"), "C:\\表\\*") << "0x5C trail byte is no separator";

    const std::pair<const char*, bool> names[] = {
        {"photo.JPG", true}, {"x.jp", true},   {"a.doc", false},    {"noext", false},
        {"memo.TXT", true},  {"表.PNG", true}, {"a.png.doc", false}};
    for (const auto& [name, accepted] : names)
        EXPECT_EQ(ExtensionAccepted(name, kExtensions), accepted) << name;
}

TEST(MediaNote, ADroppedPathOnlyWhenItFitsTheField) {
    EXPECT_TRUE(DroppedPathFits(1));
    EXPECT_TRUE(DroppedPathFits(511));
    EXPECT_FALSE(DroppedPathFits(512));
    EXPECT_FALSE(DroppedPathFits(0));
}

TEST(MediaNote, ATextFileReplacesTheNoteTextOnlyWhenReadAndChanged) {
    EXPECT_TRUE(ReplacesNoteText(std::string("new"), "old"));
    EXPECT_TRUE(ReplacesNoteText(std::string(), "old")) << "an emptied file empties the note";
    EXPECT_FALSE(ReplacesNoteText(std::string("same"), "same"));
    EXPECT_FALSE(ReplacesNoteText(std::nullopt, "old"));
}

TEST(MediaNote, AFolderOffersItsPicturesOnly) {
    const std::vector<MediaListingEntry> folder = {{".", true},      {"..", true},
                                                   {"a.jpg", false}, {"sub", true},
                                                   {"c.doc", false}, {"b.png", false}};
    std::vector<std::string> files = FolderNoteFiles("C:\\pics\\*", folder, kExtensions);
    EXPECT_EQ(files, (std::vector<std::string>{"C:\\pics\\a.jpg", "C:\\pics\\b.png"}));
    for (unsigned r = 0; r < 6; ++r) EXPECT_EQ(ChooseMediaFile("C:\\pics", files, r), files[r % 2]);

    EXPECT_EQ(FolderNoteFiles("C:\\pics\\a*", folder, kExtensions)[0], "C:\\pics\\a.jpg");

    // A file lists only itself: no folder after the first entry.
    EXPECT_TRUE(FolderNoteFiles("C:\\a.jpg\\*", {{"a.jpg", false}}, kExtensions).empty());
    EXPECT_EQ(ChooseMediaFile("C:\\a.jpg", {}, 7), "C:\\a.jpg");
    EXPECT_TRUE(IsTextMedia("memo.txt") && IsTextMedia("MEMO.TXT") && !IsTextMedia("a.png"));
}

TEST(MediaNote, PictureScaledByTheSmallerRatioWithTheTextBelow) {
    MediaLayout wide = PlaceMedia(100, 100, 400, 200);
    EXPECT_EQ(wide.imageWidth, 100);
    EXPECT_EQ(wide.imageHeight, 50);
    EXPECT_EQ(wide.textTop, 50);
    EXPECT_EQ(wide.textHeight, 50);
    MediaLayout small = PlaceMedia(90, 60, 30, 10);  // scaled up to fit
    EXPECT_EQ(small.imageWidth, 90);
    EXPECT_EQ(small.imageHeight, 30);
    MediaLayout none = PlaceMedia(100, 80, 0, 0);  // nothing could be loaded
    EXPECT_EQ(none.imageWidth, 0);
    EXPECT_EQ(none.textTop, 0);
    EXPECT_EQ(none.textHeight, 80) << "the text keeps the whole note";
}

TEST(MediaNote, AFolderListingIsKeptForASecond) {
    FolderListingCache cache;
    EXPECT_FALSE(cache.Fresh("C:\\p\\*", 5000));
    cache.pattern = "C:\\p\\*";
    cache.takenAt = 0xFFFFFF00u;  // the tick count wraps round
    cache.taken = true;
    EXPECT_TRUE(cache.Fresh("C:\\p\\*", 0xFFFFFF00u + 999));
    EXPECT_FALSE(cache.Fresh("C:\\p\\*", 0xFFFFFF00u + 1000));
    EXPECT_FALSE(cache.Fresh("C:\\q\\*", 0xFFFFFF00u + 10));
}

TEST(PictureStillValid, OnlyWhileFileTimeSizeAndBackgroundStay) {
    const PictureKey kept{"C:\\p\\a.jpg", 1000, 200, 100, 0xffffff};
    auto changed = [&](auto change) {
        PictureKey now = kept;
        change(now);
        return now;
    };
    EXPECT_TRUE(PictureStillValid(kept, kept));
    EXPECT_FALSE(PictureStillValid(std::nullopt, kept)) << "nothing drawn yet";
    EXPECT_FALSE(PictureStillValid(kept, changed([](PictureKey& k) { k.path = "C:\\p\\b.jpg"; })));
    EXPECT_FALSE(PictureStillValid(kept, changed([](PictureKey& k) { k.fileTime = 1001; })));
    EXPECT_FALSE(PictureStillValid(kept, changed([](PictureKey& k) { k.width = 201; })));
    EXPECT_FALSE(PictureStillValid(kept, changed([](PictureKey& k) { k.height = 99; })));
    EXPECT_FALSE(PictureStillValid(kept, changed([](PictureKey& k) { k.background = 0; })));
    // A file whose time cannot be read (gone, or being written) is never taken as unchanged.
    PictureKey timeless = changed([](PictureKey& k) { k.fileTime = 0; });
    EXPECT_FALSE(PictureStillValid(timeless, timeless));
}
