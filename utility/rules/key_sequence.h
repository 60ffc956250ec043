// key_sequence.h — letters typed with Ctrl held spell a note's text; the note's command runs.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "utility/model/note_index.h"

class KeySequence {
  public:
    static constexpr std::size_t kMostLetters = 7;
    void Clear() { letters_.clear(); }
    // Control character 1..28 as the letter "a".."z", "{", "|". False when the sequence is
    // full: further letters wait for the next Ctrl press.
    bool Append(int controlCharacter);
    const std::string& Letters() const { return letters_; }

  private:
    std::string letters_;
};

// The command of the first note whose text is exactly the sequence.
std::optional<std::string> FindSequenceCommand(const std::vector<NotePair>& pairs,
                                               const std::string& letters);
