// filter_bench — the word matcher behind every list filter over 1 000 000 made-up note rows
// (board name and note text, ASCII and double-byte words), with two words and an exclusion;
// prints rows per second of the prepared matcher and of MatchWords, which prepares the pattern
// again for every row, in the same run, beside grep and fzf when they are installed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "utility/model/match_words.h"

namespace {

double Now() {
    std::timespec t{};
    std::timespec_get(&t, TIME_UTC);
    return t.tv_sec + t.tv_nsec / 1e9;
}

const char* const kWords[] = {
    "meeting",        "Report", "draft",  "invoice", "call",   "mail",  "backup",
    "C:\\work\\docs", "todo",   "Friday", "budget",  "review", "notes", "project",
    "買い物",         "会議室", "電話",   "資料",    "提出",   "予定",  "http://intra/wiki",
    "2024/05/01",     "x64",    "memo",
};
constexpr int kWordCount = sizeof kWords / sizeof kWords[0];

// The same rows every run: a small linear congruential generator.
unsigned Next(unsigned& seed) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
}

std::vector<std::string> MakeRows(int count) {
    std::vector<std::string> rows;
    rows.reserve(count);
    unsigned seed = 42;
    for (int i = 0; i < count; ++i) {
        std::string row = "board" + std::to_string(Next(seed) % 40) + ".txt";
        int words = 4 + static_cast<int>(Next(seed) % 9);
        for (int w = 0; w < words; ++w) {
            row += ' ';
            row += kWords[Next(seed) % kWordCount];
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

bool Installed(const char* program) {
    std::string probe = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(probe.c_str()) == 0;
}

// Runs a shell pipeline over the rows file; prints its count and rows per second.
void RunTool(const char* name, const std::string& pipeline, int rows) {
    double start = Now();
    FILE* out = popen(pipeline.c_str(), "r");
    if (!out) return;
    char line[64] = {};
    if (!std::fgets(line, sizeof line, out)) line[0] = '\0';
    pclose(out);
    double seconds = Now() - start;
    std::printf("%-34s %10.0f rows/s  (%.3f s, %ld matches)\n", name, rows / seconds, seconds,
                std::strtol(line, nullptr, 10));
}

// Rows per second of the prepared matcher and of MatchWords over the same rows; both take
// turns, so that a busy moment of the machine hurts neither alone. False when they disagree.
bool CompareMatchers(const std::vector<std::string>& rows, const char* pattern, const char* label) {
    double bestPrepared = 1e9, bestReference = 1e9;
    long prepared = 0, reference = 0;
    for (int round = 0; round < 5; ++round) {
        double start = Now();
        WordMatcher matcher(pattern, 1);  // once per refresh, as a list view does
        prepared = 0;
        for (const std::string& row : rows) prepared += matcher.Matches(row) ? 1 : 0;
        bestPrepared = std::min(bestPrepared, Now() - start);

        start = Now();
        reference = 0;
        for (const std::string& row : rows) reference += MatchWords(pattern, row) ? 1 : 0;
        bestReference = std::min(bestReference, Now() - start);
    }
    const double count = static_cast<double>(rows.size());
    std::printf("%-34s %10.0f rows/s  (%.3f s, %ld matches, best of 5)\n",
                (std::string("WordMatcher") + label).c_str(), count / bestPrepared, bestPrepared,
                prepared);
    std::printf("%-34s %10.0f rows/s  (%.3f s, %ld matches, best of 5)\n",
                (std::string("MatchWords") + label).c_str(), count / bestReference, bestReference,
                reference);
    std::printf("%-34s %10.1f x%s\n", (std::string("WordMatcher / MatchWords") + label).c_str(),
                bestReference / bestPrepared, prepared == reference ? "" : "  (COUNTS DIFFER)");
    return prepared == reference;
}

}  // namespace

int main() {
    const int kRows = 1000000;
    const char* pattern = "meeting report ^draft";
    std::vector<std::string> rows = MakeRows(kRows);
    std::size_t bytes = 0;
    for (const std::string& row : rows) bytes += row.size();
    std::printf("%d rows, %.1f bytes a row, pattern \"%s\"\n", kRows,
                static_cast<double>(bytes) / kRows, pattern);

    bool same = CompareMatchers(rows, pattern, "");
    // Double-byte words: every hit in a row of kanji needs the character boundary check.
    same = CompareMatchers(rows, "会議室 資料", " (kanji)") && same;

    const std::string file = "/tmp/filter_bench_rows.txt";
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) return same ? 0 : 1;
    for (const std::string& row : rows) std::fprintf(out, "%s\n", row.c_str());
    std::fclose(out);
    // The same question as the pattern: both words in any letter case, not the excluded one.
    RunTool("grep -F -i | grep | grep -v -c",
            "LC_ALL=C grep -a -F -i meeting " + file +
                " | LC_ALL=C grep -a -F -i report | LC_ALL=C grep -a -F -i -v -c draft",
            kRows);
    RunTool("grep -F -c (one word)", "LC_ALL=C grep -a -F -c meeting " + file, kRows);
    if (Installed("fzf"))
        RunTool("fzf --filter", "fzf --filter \"'meeting 'report !draft\" < " + file + " | wc -l",
                kRows);
    else
        std::printf("fzf not installed: no figure\n");
    std::remove(file.c_str());
    return same ? 0 : 1;
}
