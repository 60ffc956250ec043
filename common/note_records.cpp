#include "common/note_records.h"

#include <array>

namespace {

// TAB and CR end a field, LF a line.
constexpr std::array<bool, 256> kEndsSomething = [] {
    std::array<bool, 256> ends{};
    ends['\t'] = ends['\r'] = ends['\n'] = true;
    return ends;
}();

// The layout that a field ends, by its 0-based place after the command, or 0.
int LayoutEndedBy(std::size_t fieldIndex, char terminator) {
    if (terminator == '\r' && (fieldIndex == 9 || fieldIndex == 14 || fieldIndex == 18))
        return static_cast<int>(fieldIndex) + 1;
    if (fieldIndex == 25) return 26;
    return 0;
}

// The C library's search is slow on some systems for the short runs between TABs; this loop
// is not.
std::size_t FindByte(std::string_view bytes, char wanted, std::size_t from) {
    for (std::size_t i = from; i < bytes.size(); ++i)
        if (bytes[i] == wanted) return i;
    return std::string_view::npos;
}

}  // namespace

bool NoteRecordScanner::Next(NoteRecord& record) {
    const std::size_t size = bytes_.size();
    while (pos_ < size) {
        std::size_t textEnd = FindByte(bytes_, '\t', pos_);
        std::size_t commandEnd =
            textEnd == std::string_view::npos ? textEnd : FindByte(bytes_, '\t', textEnd + 1);
        if (commandEnd == std::string_view::npos) break;
        record.text = bytes_.substr(pos_, textEnd - pos_);
        record.command = bytes_.substr(textEnd + 1, commandEnd - textEnd - 1);
        record.fields.clear();
        std::size_t fieldStart = commandEnd + 1;
        std::size_t fields = 0;
        std::size_t i = fieldStart;
        for (; i < size; ++i) {
            // Most bytes end nothing: one look-up each until one does.
            while (i < size && !kEndsSomething[static_cast<unsigned char>(bytes_[i])]) ++i;
            if (i == size || bytes_[i] == '\n') break;
            char byte = bytes_[i];
            if (keepFields_) record.fields.push_back(bytes_.substr(fieldStart, i - fieldStart));
            fieldStart = i + 1;
            record.layout = LayoutEndedBy(fields++, byte);
            if (record.layout == 0) continue;
            // Whatever follows on the line, even another run of fields ended by CR, belongs
            // to this note: reading it as a second one would add a note on every save.
            std::size_t lineEnd = FindByte(bytes_, '\n', i + 1);
            pos_ = lineEnd == std::string_view::npos ? size : lineEnd + 1;
            return true;
        }
        if (i < size) {
            pos_ = i + 1;  // a line of no known layout; the next record starts after it
            continue;
        }
        pos_ = size;
        // A file cut before its final CR LF still ends its last record: that note is not lost.
        if (bytes_.back() == '\r') break;
        if (keepFields_) record.fields.push_back(bytes_.substr(fieldStart));
        record.layout = LayoutEndedBy(fields, '\r');
        return record.layout != 0;
    }
    pos_ = size;
    return false;
}
