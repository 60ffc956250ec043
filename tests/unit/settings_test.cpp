#include "launcher/model/settings.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "common/backup_start.h"

namespace {

// An ini file in memory that remembers every read and write in order.
class RecordingIni : public IniStore {
  public:
    std::map<std::string, std::string> values;  // "section/key" -> value
    std::vector<std::string> reads;
    std::vector<std::pair<std::string, std::string>> writes;

    std::string Read(const char* section, const char* key, const std::string& fallback) override {
        std::string name = std::string(section) + "/" + key;
        reads.push_back(name);
        auto found = values.find(name);
        return found == values.end() ? fallback : found->second;
    }
    void Write(const char* section, const char* key, const std::string& value) override {
        std::string name = std::string(section) + "/" + key;
        writes.emplace_back(name, value);
        values[name] = value;
    }
    int WritesOf(const std::string& name) const {
        int count = 0;
        for (const auto& w : writes) count += w.first == name;
        return count;
    }
};

const char kDefaultExtensions[] = ".bmp.png.gif.jpg.jpeg.tiff.txt";

}  // namespace

TEST(ReadSettings, MissingFileGivesDefaultsInFileOrder) {
    RecordingIni ini;
    LauncherSettings s = ReadSettings(ini);
    EXPECT_EQ(s.extensions, kDefaultExtensions);
    EXPECT_EQ(s.backup, "");
    EXPECT_EQ(std::tie(s.lineHeight, s.charWidth), std::make_tuple(15, 7));
    EXPECT_EQ(std::tie(s.fontSize, s.transparency, s.clickTime, s.miniWidth, s.miniHeight),
              std::make_tuple(14, 100, 150, 40, 20));
    EXPECT_EQ(s.attributeKind, 0);
    EXPECT_EQ(s.attributeBuffer, (std::array<int, 8>{}));
    const std::vector<std::string> order = {
        "img/kakucho2",    "etc/backup",      "window2/height",  "window2/width",
        "window/font",     "window/trans",    "window/time",     "window/DefaultX",
        "window/DefaultY", "etc/cmbstate2",   "etc/cmbstate3",   "etc/cmbstate3_0",
        "etc/cmbstate3_1", "etc/cmbstate3_2", "etc/cmbstate3_3", "etc/cmbstate3_4",
        "etc/cmbstate3_5", "etc/cmbstate3_6"};
    EXPECT_EQ(ini.reads, order);
}

TEST(ReadSettings, ValuesAreTakenAsWrittenWithoutRangeChecks) {
    RecordingIni ini;
    ini.values = {{"window2/height", "22"},  {"window2/width", "abc"},  {"window/font", " -3"},
                  {"window/trans", "250"},   {"window/time", "12ms"},   {"window/DefaultX", "5"},
                  {"window/DefaultY", ""},   {"etc/cmbstate2", "7"},    {"etc/cmbstate3", "9"},
                  {"etc/cmbstate3_4", "-1"}, {"etc/cmbstate3_6", "33"}, {"etc/backup", "-1"},
                  {"img/kakucho2", ".png"}};
    LauncherSettings s = ReadSettings(ini);
    EXPECT_EQ(std::tie(s.lineHeight, s.charWidth), std::make_tuple(22, 0));  // not a number: 0
    EXPECT_EQ(std::tie(s.fontSize, s.transparency, s.clickTime), std::make_tuple(-3, 250, 12));
    EXPECT_EQ(std::tie(s.miniWidth, s.miniHeight), std::make_tuple(5, 0));
    EXPECT_EQ(s.attributeKind, 7);
    EXPECT_EQ(s.attributeBuffer, (std::array<int, 8>{9, 0, 0, 0, 0, -1, 0, 33}));
    EXPECT_EQ(s.backup, "-1");
    EXPECT_EQ(s.extensions, ".png");
}

TEST(ReadSettings, TextValuesAreCutToTheirBuffers) {
    RecordingIni ini;
    ini.values["img/kakucho2"] = std::string(200, 'e');
    ini.values["etc/backup"] = "2024010199";
    LauncherSettings s = ReadSettings(ini);
    EXPECT_EQ(s.extensions, std::string(127, 'e'));
    EXPECT_EQ(s.backup, "20240101");

    // A double-byte character across the limit is left out whole, not split.
    ini.values["img/kakucho2"] = std::string(126, 'e') + "表.x";
    EXPECT_EQ(ReadSettings(ini).extensions, std::string(126, 'e'));
}

TEST(WriteSettings, EveryKeyInOrderThenTheDate) {
    RecordingIni ini;
    LauncherSettings s = ReadSettings(ini);  // no file: a save fills in every default
    s.attributeKind = 5;
    s.attributeBuffer = {1, 2, 3, 4, 5, -1, 7, -8};
    EXPECT_TRUE(WriteSettings(ini, s, "20240315"));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"window2/height", "15"},
        {"window2/width", "7"},
        {"window/font", "14"},
        {"window/trans", "100"},
        {"window/time", "150"},
        {"window/DefaultX", "40"},
        {"window/DefaultY", "20"},
        {"etc/cmbstate2", "5"},
        {"etc/cmbstate3", "1"},
        {"etc/cmbstate3_0", "2"},
        {"etc/cmbstate3_1", "3"},
        {"etc/cmbstate3_2", "4"},
        {"etc/cmbstate3_3", "5"},
        {"etc/cmbstate3_4", "-1"},
        {"etc/cmbstate3_5", "7"},
        {"etc/cmbstate3_6", "-8"},
        {"img/kakucho2", kDefaultExtensions},
        {"etc/backup", "20240315"}};
    EXPECT_EQ(ini.writes, expected);
    EXPECT_EQ(s.backup, "20240315");
}

TEST(WriteSettings, BackupStartsAtMostOnceADay) {
    RecordingIni ini;
    LauncherSettings s;
    s.backup = "20240314";
    EXPECT_TRUE(WriteSettings(ini, s, "20240315"));
    EXPECT_EQ(ini.values["etc/backup"], "20240315");  // written before the start is tried
    EXPECT_FALSE(WriteSettings(ini, s, "20240315"));
    EXPECT_EQ(ini.WritesOf("etc/backup"), 1);
    EXPECT_EQ(ini.WritesOf("window/font"), 2);  // the other keys are written by every save
    EXPECT_TRUE(WriteSettings(ini, s, "20240316"));
    EXPECT_EQ(ini.WritesOf("etc/backup"), 2);
}

TEST(WriteSettings, MinusOneSwitchesTheBackupOff) {
    RecordingIni ini;
    ini.values["etc/backup"] = "-1";
    LauncherSettings s = ReadSettings(ini);
    EXPECT_FALSE(WriteSettings(ini, s, "20240315"));
    EXPECT_FALSE(WriteSettings(ini, s, "20240316"));
    EXPECT_EQ(ini.WritesOf("etc/backup"), 0);
    EXPECT_EQ(ini.values["etc/backup"], "-1");
    EXPECT_EQ(s.backup, "-1");
}

TEST(BackupDue, OnceADayUnlessSwitchedOff) {
    struct Case {
        const char* remembered;
        const char* today;
        bool due;
    };
    const Case cases[] = {{"", "20240315", true},          {"20240314", "20240315", true},
                          {"20240315", "20240315", false}, {"-1", "20240315", false},
                          {"20250315", "20240315", true},  // a clock set back still starts it
                          {"-10", "20240315", true}};
    for (const Case& c : cases) EXPECT_EQ(BackupDue(c.remembered, c.today), c.due) << c.remembered;
}
