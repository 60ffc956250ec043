#include "utility/rules/key_sequence.h"

bool KeySequence::Append(int controlCharacter) {
    if (controlCharacter < 1 || controlCharacter > 28) return false;
    if (letters_.size() >= kMostLetters) return false;
    letters_.push_back(static_cast<char>(controlCharacter + 96));
    return true;
}

std::optional<std::string> FindSequenceCommand(const std::vector<NotePair>& pairs,
                                               const std::string& letters) {
    if (letters.empty()) return std::nullopt;
    for (const NotePair& pair : pairs)
        if (pair.text == letters) return std::string(pair.command);
    return std::nullopt;
}
