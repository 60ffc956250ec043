// handoff.h — what a second start hands to the running copy, and what a first start refuses.
#pragma once
#include <string>
#include <string_view>

struct Handoff {
    std::string title;  // written into a note window of the running copy
    unsigned message;   // then sent to that window
};

// "exec", "clipb" and "end" (exact, case-sensitive) have their own messages; everything else,
// the empty argument included, asks the running copy to activate `boardPath`.
Handoff PlanHandoff(std::string_view argument, const std::string& boardPath);

// The running copy is found by one of its note windows: class "marn" with an empty title.
bool TakesHandOff(std::string_view className, int titleLength);

// The notice a first start shows for "clipb" or "exec" before it ends, or nullptr.
const char* FirstStartRefusal(std::string_view argument);
