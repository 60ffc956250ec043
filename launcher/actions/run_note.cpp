#include "launcher/actions/run_note.h"

// Commands are not run yet: a click on a note with a command changes nothing.

bool OfferInternalCommand(const std::string&) {
    return false;
}

void RunCommandFor(HWND, const std::string&) {}

void ShowLineMenu(HWND, const std::string&, bool) {}
