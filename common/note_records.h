// note_records.h — finding the records of a board file, the one reading of the format that
// both programs share: each record's text, command and the fields after them.
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

// Views into the scanned bytes: valid while they live.
struct NoteRecord {
    std::string_view text;
    std::string_view command;
    std::vector<std::string_view> fields;  // after the command, as many as the layout has
    int layout = 0;                        // 10, 15, 19 or 26 fields after the command
};

// Text and command run to their TAB and may span lines; the fields after them end at CR or
// TAB. 10, 15 and 19 fields ended by CR make a record of an older layout, the 26th field
// ended by CR or TAB one of the current layout; any other count is no record. The rest of a
// record's line is never a record of its own, and the end of the bytes ends a record as CR.
class NoteRecordScanner {
  public:
    // Without `keepFields` the fields after the command are only counted: a reader that needs
    // text and command alone spends nothing on them.
    explicit NoteRecordScanner(std::string_view bytes, bool keepFields = true)
        : bytes_(bytes), keepFields_(keepFields) {}

    // The next record, or false when the bytes hold no more.
    bool Next(NoteRecord& record);

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool keepFields_;
};
