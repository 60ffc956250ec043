// Quorvel.ini with any values: the integer reader never overflows and holds a number beyond
// int at its limit, the settings read back as written, and the window layout takes whatever
// sizes were read.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/int_values.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/text_ini.h"
#include "utility/model/utility_settings.h"
#include "utility/rules/layout.h"

namespace {

void CheckQuorvel(std::string_view file) {
    TextIni ini(file);
    UtilitySettings read = ReadUtilitySettings(ini);
    for (const Rgb& colour : {read.textColor1, read.textColor2, read.listColor1, read.listColor2})
        for (int part : {colour.red, colour.green, colour.blue})
            Require(part >= 0 && part <= 255, "a colour part is a byte");
    Require(read.filterdate == -1 || read.filterdate2 == -2,
            "no remembered filter while one is on");
    DateFilterText(read);

    TextIni saved;
    UtilitySettings written = read;
    WriteUtilitySettings(saved, written, WindowRect{read.top, read.bottom, read.right, read.left});
    UtilitySettings reread = ReadUtilitySettings(saved);
    Require(reread.sizeHeight == read.sizeHeight && reread.sizeWidth == read.sizeWidth &&
                reread.addmode == read.addmode && reread.search == read.search &&
                reread.which == read.which && reread.listcount == read.listcount &&
                reread.timelimit == std::max(5, read.timelimit) &&
                reread.filterdate == read.filterdate && reread.filterdate2 == read.filterdate2 &&
                reread.excludeDate == read.excludeDate,
            "Quorvel's numbers read back as written");
    Require(reread.textColor1.red == read.textColor1.red &&
                reread.listColor2.blue == read.listColor2.blue,
            "colours read back as written");
    for (const std::string* text : {&reread.nowDir, &reread.nowTxt, &reread.explorerexe})
        Require(text->find_first_of("\r\n") == std::string::npos, "a saved text is one line");

    // The window with any of the sizes read: a small, a usual and a huge client area.
    for (int clientWidth : {0, 800, 4000}) {
        ListViewPlacement(clientWidth, read.sizeHeight);
        LayoutChildren(clientWidth, clientWidth * 3 / 4, read.sizeWidth, read.sizeHeight);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string_view file(reinterpret_cast<const char*>(bytes), size);
    Require(ParseDecimalInt(std::string(file)) == Expected(file, -INT_MAX),
            "a number is read within int");
    for (const std::string& line : SplitLines(file)) {
        std::string value = line.substr(line.find('=') + 1);
        Require(ParseDecimalInt(value) == Expected(value, -INT_MAX), "a number is read within int");
    }
    CheckQuorvel(file);
    return 0;
}
