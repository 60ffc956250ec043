// handoff.h — what a second start hands to the running copy, and what a first start refuses.
#pragma once
#include <optional>
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

// What a second start asked of the running copy, kept until it can be done.
struct HandOver {
    unsigned message = 0;   // MSG_ACTIVATE (a board switch), MSG_END, MSG_EXEC or MSG_CLIPB
    std::string boardPath;  // the board of a switch
};

// Hand-overs run one after another in the order they arrived. One that arrives while another
// is under way waits for it: a second start's message may arrive while a switch saves
// (starting the backup program lets sent messages in), and two switches at once would mix
// their boards. While the Edit dialog is open a switch or an end waits until it has closed:
// either would throw away what is being typed. A new note from the clipboard disturbs no
// dialog and runs at once, unless an earlier hand-over waits.
class HandOverQueue {
  public:
    // True when the caller is to run the hand-overs now (`Next` until it gives none); false
    // when `handOver` waits its turn.
    bool Arrive(HandOver handOver);
    // The next hand-over to run; none ends the run, also when the rest waits for the dialog.
    std::optional<HandOver> Next();
    // The Edit dialog opened.
    void Hold();
    // The Edit dialog closed: true when the caller is to run what waited (`Next` as above).
    bool Release();

  private:
    bool WaitsForDialog(const HandOver& handOver) const;

    std::vector<HandOver> waiting_;
    std::size_t taken_ = 0;
    bool running_ = false;
    bool held_ = false;
};

// The notice a first start shows for "clipb" or "exec" before it ends, or nullptr.
const char* FirstStartRefusal(std::string_view argument);
