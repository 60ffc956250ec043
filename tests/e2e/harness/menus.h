// menus.h — reading the popup menu a program under test shows and choosing from it with the
// keyboard as a user would; dropping files onto its windows as the shell does; the spy inside
// the program that does both.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "harness/marnelo.h"

// Runs the entry `entryName` of test_spy.dll inside process `processId` (loading the spy there
// first) with `argument`; the entry's result, or nothing when it could not run.
std::optional<DWORD> CallSpy(DWORD processId, const char* entryName, UINT_PTR argument = 0);

struct ShownMenuItem {
    int depth = 0;  // 0 the menu itself, 1 a submenu of it
    unsigned command = 0;
    std::string text;
};

// Opens the menu of the note `view` with a real right click; false when none appeared. Notes
// should stand low enough for the menu to open above the pointer, so no item is under it.
bool OpenNoteMenu(const Marnelo& app, const NoteView& view);

// Waits until process `processId` shows a popup menu.
bool WaitForShownMenu(DWORD processId, int timeoutMs = 5000);

// The items of the menu process `processId` shows, read from inside that process; empty when
// it shows none.
std::vector<ShownMenuItem> ShownMenu(DWORD processId);

// Posts `window` of process `processId` the drop of `paths`, made inside that process.
bool DropFiles(DWORD processId, HWND window, const std::vector<std::string>& paths);

// Texts of the items at `depth` under the item `parent` (empty: the menu itself), top down.
std::vector<std::string> MenuTexts(const std::vector<ShownMenuItem>& items,
                                   const std::string& parent = "");

// Down arrows to item `position` (0 the top one) of the open menu, then Enter.
void ChooseMenuPosition(int position);
// The same in the submenu of item `parent`, opened with the right arrow.
void ChooseSubmenuPosition(int parent, int position);
