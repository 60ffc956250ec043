// text_ini.h — what the settings targets share: an ini file held in memory and the number a
// decimal text stands for.
#pragma once
#include <algorithm>
#include <climits>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "common/ini_store.h"
#include "common/text_lines.h"

// An ini file held in memory, read like the profile functions do: "[section]" lines, then
// "key=value" lines; the first line of a key counts.
class TextIni : public IniStore {
  public:
    explicit TextIni(std::string_view text = {}) {
        std::string section;
        for (const std::string& line : SplitLines(text)) {
            if (line.front() == '[' && line.back() == ']') {
                section = line.substr(1, line.size() - 2);
                continue;
            }
            std::size_t equals = line.find('=');
            if (equals == std::string::npos) continue;
            values_.emplace(std::make_pair(section, line.substr(0, equals)),
                            line.substr(equals + 1));
        }
    }
    std::string Read(const char* section, const char* key, const std::string& fallback) override {
        auto found = values_.find({section, key});
        return found == values_.end() ? fallback : found->second;
    }
    void Write(const char* section, const char* key, const std::string& value) override {
        values_[{section, key}] = value;
    }

  private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

// The value a decimal text stands for, held within `least`..INT_MAX: blanks, a sign, then
// digits. Marnelo's reader stops at -INT_MAX, Quorvel's at INT_MIN.
inline long long Expected(std::string_view text, long long least) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return 0;
    bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') ++i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), 1LL << 40);
    value = negative ? -value : value;
    return std::clamp<long long>(value, least, INT_MAX);
}
