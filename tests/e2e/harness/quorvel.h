// quorvel.h — a running copy of quorvel.exe under test: started in an install folder with an
// argument, its main window and controls found and read, handed a text, ended.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "harness/install.h"
#include "harness/marnelo.h"

// The main window's children in the order the window makes them.
struct QuorvelControls {
    HWND statusBar = nullptr, noteTextBox = nullptr, inputLine = nullptr, noteCommandBox = nullptr,
         checkBox = nullptr, boardListBox = nullptr, bookmarkListBox = nullptr, listView = nullptr;
};

class Quorvel : public Process {
  private:
    static const Install& Parked(const Install& install);

  public:
    // The pointer is parked first: keys a test sends at once must reach the new window whole.
    explicit Quorvel(const Install& install, const std::string& argument = "")
        : Process(Parked(install), "quorvel.exe", argument) {}

    HWND MainWindow() const;  // class "Quorvel" of this process
    bool WaitForMainWindow(int timeoutMs = 10000) const;
    // Waits until the main window holds all eight controls.
    bool WaitForControls(int timeoutMs = 10000) const;
    // Foreground and settled on the screen (`SettledOnScreen`): keys a test holds are safe.
    bool WaitInFront(int timeoutMs = 10000) const;
    QuorvelControls Controls() const;
    std::string Title() const;
    bool WaitForTitle(const std::string& title, int timeoutMs = 10000) const;
    // A child's place in the main window's client coordinates.
    RECT PlaceOf(HWND child) const;

    // What a second start does: the text into the title, then the hand-off message, waited for.
    bool HandOff(const std::string& text);
    // The title-bar close button; returns the exit code.
    int CloseWithTitleButton(int timeoutMs = 10000);
    // An empty hand-off saves and ends the program; returns the exit code.
    int EndWithSave(int timeoutMs = 10000);
};

std::string WindowTextOf(HWND window);
// Waits until the control of another process shows `text`.
bool WaitForText(HWND window, const std::string& text, int timeoutMs = 10000);

// The list view's column widths, for as long as LVM_GETCOLUMNWIDTH answers (a missing column
// gives 0), at most `most` of them.
std::vector<int> ColumnWidths(HWND listView, int most = 8);

// Starts a second quorvel.exe with `argument` in the same folder; its exit code.
int RunSecondQuorvel(const Install& install, const std::string& argument, int timeoutMs = 10000);

// Ends every quorvel.exe still running, whoever started it.
void KillStrayQuorvels();

// A folder `relative` of the install folder holding `count` empty files f0.txt, f1.txt, ...:
// enough of them to reach the listing's continue question. Its full path, without a trailing
// backslash.
std::string MakeFolderOfFiles(const Install& install, const std::string& relative, int count);

// A value of "Quorvel.ini" in the install folder, `fallback` when the key is missing.
std::string QuorvelSetting(const Install& install, const char* section, const char* key,
                           const char* fallback = "<missing>");

// The list view's rows as their column texts (read through the other process's memory).
std::vector<std::vector<std::string>> ListViewRows(HWND listView, int columns = 3);
// The text of one part of a status bar of another process.
std::string StatusBarText(HWND statusBar, int part);
// Where row `row` of the list view lies on the screen: the middle of its first column.
POINT ListViewRowPoint(HWND listView, int row);
// The items of a list box of another process.
std::vector<std::string> ListBoxItems(HWND listBox);

// Types `text` with the keys (and Shift) the keyboard layout gives for each character.
void TypeText(const std::string& text);
// `key` with the modifiers held: VK_CONTROL, VK_SHIFT, VK_MENU.
void TypeChord(std::initializer_list<WORD> modifiers, WORD key);
