// click.h — a quick click on a note, judged by what the program did with it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "harness/marnelo.h"

// What a test can see a click do: a short account once it shows, "" until then.
using Outcome = std::function<std::string()>;
// The outcome `what` once `condition` holds.
Outcome When(const std::string& what, std::function<bool()> condition);

// Clicks the note at `at` (a screen point inside it) and waits up to `timeoutMs` for `outcome`,
// whose account it returns. The button goes up as soon as the note's thread is in the system's
// move loop, so the click is quick for a click time of 600 ms or more. The click is made once
// more only when nothing at all could be seen: no outcome, and no window of the program opened,
// closed or moved. Otherwise, and after the second attempt, the test fails with what each
// attempt saw, and "" comes back. The harness never puts a note back in its place.
// While the mini tool is open a note takes a press without a move loop: `NoteMode::Tool` lets
// the button go up at once.
enum class NoteMode { Normal, Tool };
std::string ClickNote(HWND note, POINT at, const Outcome& outcome, NoteMode mode = NoteMode::Normal,
                      int timeoutMs = 10000);
// At the note's point (30, 20), clear of its corners.
std::string ClickNote(const NoteView& view, const Outcome& outcome, int timeoutMs = 10000);

// A press held on purpose (a long press), made once the note is under `at` and its thread idle.
void HoldNote(HWND note, POINT at, int holdMs);

// Outcomes many tests wait for: a popup menu of the program shows; its notes show `texts`.
Outcome MenuShows(const Marnelo& app);
Outcome Shows(const Marnelo& app, const std::vector<std::string>& texts);
