// handoff.h — what a second start hands to the running copy, and what a first start refuses.
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct Handoff {
    std::string title;  // written into a note window of the running copy
    unsigned message;   // then sent to that window
};

// "exec", "clipb" and "end" (exact, case-sensitive) have their own messages; everything else,
// the empty argument included, asks the running copy to activate `boardPath`.
Handoff PlanHandoff(std::string_view argument, const std::string& boardPath);

// The running copy is found by one of its note windows: class "marn" with an empty title.
bool TakesHandOff(std::string_view className, int titleLength);

// Boards handed over while a switch is under way wait for it: a second start's message may
// arrive while a switch saves (starting the backup program lets sent messages in), and two
// switches at once would mix their boards.
class HandOverQueue {
  public:
    // True when the caller is to run the switches now (`Next` until it says none); false
    // when a switch is under way already and `path` waits its turn.
    bool Arrive(std::string path);
    // The next board to switch to; "" when none waits, which ends the run.
    std::string Next();

  private:
    std::vector<std::string> waiting_;
    std::size_t taken_ = 0;
    bool running_ = false;
};

// The notice a first start shows for "clipb" or "exec" before it ends, or nullptr.
const char* FirstStartRefusal(std::string_view argument);
