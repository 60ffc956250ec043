// Quorvel's reading of a note file on arbitrary bytes: every record taken gives one note pair,
// rows stay unique and hold the text and command as they stand between the record's TABs.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "tests/fuzz/fuzz_check.h"
#include "utility/model/note_index.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string_view content(reinterpret_cast<const char*>(bytes), size);
    NoteLists lists;
    int taken = ParseNoteText(lists, "board.txt", content);
    Require(taken >= 0 && static_cast<std::size_t>(taken) == lists.pairs.size(),
            "one pair per record taken");
    Require(lists.index.rows.size() <= 2 * lists.pairs.size(), "at most two rows per record");
    std::set<std::pair<std::string_view, std::string_view>> unique;
    for (const NoteIndexRow& row : lists.index.rows) unique.emplace(row.board, row.note);
    Require(unique.size() == lists.index.rows.size(), "rows are unique");

    std::set<std::string_view> strings;
    for (const NotePair& pair : lists.pairs) {
        Require(pair.text.find('\t') == std::string::npos &&
                    pair.command.find('\t') == std::string::npos,
                "a text or command ends at its TAB");
        std::string stands = std::string(pair.text) + "\t" + std::string(pair.command) + "\t";
        Require(content.find(stands) != std::string_view::npos,
                "a pair stands in the file as it was taken");
        strings.insert(pair.text);
        strings.insert(pair.command);
    }
    for (const NoteIndexRow& row : lists.index.rows)
        Require(row.board == "board.txt" && strings.count(row.note) == 1,
                "every row is a text or command of a pair");

    // A second file of the same board adds no row twice.
    std::size_t rows = lists.index.rows.size();
    ParseNoteText(lists, "board.txt", content);
    Require(lists.index.rows.size() == rows, "reading a file again adds no rows");
    return 0;
}
