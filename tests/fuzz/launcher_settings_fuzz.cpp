// Marnelo.ini with any values: the integer reader never overflows and holds a number beyond
// int at its limit, the settings read back as written, and new notes are sized by whatever was
// read.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/backup_start.h"
#include "common/int_values.h"
#include "common/sjis.h"
#include "launcher/model/new_note.h"
#include "launcher/model/note_file.h"
#include "launcher/model/settings.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/text_ini.h"

namespace {

void CheckMarnelo(std::string_view file) {
    TextIni ini(file);
    LauncherSettings read = ReadSettings(ini);
    Require(read.extensions.size() <= kExtensionsLimit &&
                IsCharBoundary(read.extensions, read.extensions.size()),
            "the extensions are cut on a whole character");
    Require(read.backup.size() <= kBackupLimit, "the backup date is cut");

    TextIni saved;
    LauncherSettings written = read;
    WriteSettings(saved, written, "20260101");
    LauncherSettings reread = ReadSettings(saved);
    Require(reread.lineHeight == read.lineHeight && reread.charWidth == read.charWidth &&
                reread.fontSize == read.fontSize && reread.transparency == read.transparency &&
                reread.clickTime == read.clickTime && reread.miniWidth == read.miniWidth &&
                reread.miniHeight == read.miniHeight &&
                reread.attributeKind == read.attributeKind &&
                reread.attributeBuffer == read.attributeBuffer,
            "Marnelo's numbers read back as written");

    // New notes are sized by these settings: a few clipboard notes in a row on a wide screen.
    const NewNoteSettings& look = read;
    int runningX = 0;
    for (NewNoteKind kind : {kTextNote, kClipboardNote, kRunNote, kTextNote})
        MakeClipboardTextNote(kind, file.substr(0, 300), look, runningX, 1920);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string_view file(reinterpret_cast<const char*>(bytes), size);
    Require(ParseDecimalInt(file) == Expected(file, -INT_MAX), "a number is read within int");
    for (const std::string& line : SplitLines(file)) {
        std::string_view value = std::string_view(line).substr(line.find('=') + 1);
        Require(ParseDecimalInt(value) == Expected(value, -INT_MAX), "a number is read within int");
    }
    CheckMarnelo(file);
    return 0;
}
