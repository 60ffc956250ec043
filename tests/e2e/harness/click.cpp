#include "harness/click.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "harness/menus.h"
#include "harness/ui.h"
#include "harness/wait.h"

namespace {

struct ShownWindow {
    std::string className;
    RECT rect{};
};
using Shown = std::map<HWND, ShownWindow>;

struct ShownSearch {
    DWORD processId;
    Shown* shown;
};

BOOL CALLBACK CollectShown(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ShownSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    ShownWindow& shown = (*search->shown)[window];
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    shown.className = className;
    GetWindowRect(window, &shown.rect);
    return TRUE;
}

// Every visible top-level window of the process: notes, menus, dialogs, message boxes.
Shown ShownWindowsOf(DWORD processId) {
    Shown shown;
    ShownSearch search{processId, &shown};
    EnumWindows(CollectShown, reinterpret_cast<LPARAM>(&search));
    return shown;
}

std::string Place(const RECT& rect) {
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top) +
           ")";
}

// What differs between two looks at the program's windows; "" when nothing does.
std::string Changes(const Shown& before, const Shown& after) {
    std::string changes;
    for (const auto& [window, was] : before) {
        auto now = after.find(window);
        if (now == after.end())
            changes += " closed " + was.className + Place(was.rect) + ";";
        else if (!EqualRect(&now->second.rect, &was.rect))
            changes += " moved " + was.className + Place(was.rect) + " to " +
                       Place(now->second.rect) + ";";
    }
    for (const auto& [window, now] : after)
        if (!before.count(window)) changes += " opened " + now.className + Place(now.rect) + ";";
    return changes;
}

// The move loop holds the capture; a line menu shown at the release holds it too.
bool InMoveLoop(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(thread, &info)) return false;
    if (info.flags & GUI_INMENUMODE) return false;
    return info.hwndCapture != nullptr || (info.flags & GUI_INMOVESIZE);
}

// A board just shown may still be coming up, and a dialog just created may still be setting
// itself up on the note's thread: the note must be the window under the point, and its thread
// must answer, before the button goes down. A press the thread takes up only after the release
// would be judged by when it was taken up.
bool ReadyForPress(HWND note, POINT at) {
    bool onTop = WaitFor([&] { return GetAncestor(WindowFromPoint(at), GA_ROOT) == note; }, 3000);
    SendMessageTimeoutA(note, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    return onTop;
}

}  // namespace

void HoldNote(HWND note, POINT at, int holdMs) {
    ReadyForPress(note, at);
    PlacePointerAt(at.x, at.y);
    PressLeftButton();
    Sleep(holdMs);
    ReleaseLeftButton();
}

Outcome When(const std::string& what, std::function<bool()> condition) {
    return [what, condition = std::move(condition)] { return condition() ? what : ""; };
}

std::string ClickNote(HWND note, POINT at, const Outcome& outcome, NoteMode mode, int timeoutMs) {
    DWORD processId = 0;
    DWORD thread = GetWindowThreadProcessId(note, &processId);
    if (std::string early = outcome(); !early.empty()) {
        ADD_FAILURE() << "before the click already: " << early;
        return "";
    }
    std::string seen;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        bool onTop = ReadyForPress(note, at);
        Shown before = ShownWindowsOf(processId);
        bool placed = PlacePointerAt(at.x, at.y);
        PressLeftButton();
        bool looped =
            mode == NoteMode::Normal && WaitFor([&] { return InMoveLoop(thread); }, 400, 5);
        Sleep(50);
        ReleaseLeftButton();
        bool loopEnded = WaitFor([&] { return !InMoveLoop(thread); }, 2000);
        std::string result;
        WaitFor([&] { return !(result = outcome()).empty(); }, timeoutMs);
        if (!result.empty()) return result;

        POINT pointer{};
        GetCursorPos(&pointer);
        std::string changes = Changes(before, ShownWindowsOf(processId));
        seen += "\n  attempt " + std::to_string(attempt) + ":" +
                (onTop ? "" : " another window lay over the point;") +
                (placed ? "" : " the X server kept the pointer elsewhere;") +
                (looped || mode == NoteMode::Tool ? "" : " no move loop within 400 ms;") +
                (loopEnded ? "" : " the note was still in its move loop 2 s after the release;") +
                " the pointer ended at " + std::to_string(pointer.x) + "," +
                std::to_string(pointer.y) + ";" +
                (changes.empty() ? " no window changed" : changes);
        // Something happened, only not what the test waits for: a second click would hide it.
        if (!changes.empty() || !loopEnded) break;
    }
    ADD_FAILURE() << "the click on the note at " << at.x << "," << at.y
                  << " showed no outcome within " << timeoutMs << " ms:" << seen;
    return "";
}

std::string ClickNote(const NoteView& view, const Outcome& outcome, int timeoutMs) {
    return ClickNote(view.window, {view.rect.left + 30, view.rect.top + 20}, outcome,
                     NoteMode::Normal, timeoutMs);
}

Outcome MenuShows(const Marnelo& app) {
    return When("a menu", [&app] { return WaitForShownMenu(app.Id(), 0); });
}

Outcome Shows(const Marnelo& app, const std::vector<std::string>& texts) {
    return When("the notes of the board", [&app, texts] { return app.NoteTexts() == texts; });
}
