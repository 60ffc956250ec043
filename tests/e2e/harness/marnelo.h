// marnelo.h — a running copy of marnelo.exe under test: started in an install folder with an
// argument and a show state, its note windows found and read, ended and waited for.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "harness/install.h"

// What a user can see of one note window.
struct NoteView {
    HWND window = nullptr;
    RECT rect{};
    std::string text;  // the text control's text
    DWORD style = 0;
    DWORD exStyle = 0;
    bool topmost = false;
    int alpha = -1;        // -1 when the window is not layered with an alpha
    bool rounded = false;  // a region of the window's size with cut corners
    DWORD textStyle = 0;   // style of the text control (alignment)
    bool hasFont = false;  // the text control was given a font
    int width() const { return rect.right - rect.left; }
    int height() const { return rect.bottom - rect.top; }
};

NoteView InspectNote(HWND window);
// The note of `views` showing `text`, or nullptr.
const NoteView* NoteWithText(const std::vector<NoteView>& views, const std::string& text);
COLORREF ScreenColourAt(int x, int y);
// A window just shown, drawn on the screen (its top edge is not the empty desktop's black) and
// with the X server's events of its mapping taken up by its thread. Under Wine such an event
// handled late sets the key state from the real keyboard, or the pointer back to where it was
// when the window appeared, behind the back of a test that has since pressed or moved.
bool SettledOnScreen(HWND window, int timeoutMs = 10000);
// Painting follows creation in its own time: true once the pixel shows `colour` (within 2).
bool ShowsColourAt(int x, int y, COLORREF colour, int timeoutMs = 3000);
// Rows of `rect` on screen that hold a pixel of another colour than `background`.
int InkRows(const RECT& rect, COLORREF background);
// What the screen shows in `rect`, top row first, one 0x00RRGGBB value per pixel.
std::vector<DWORD> ScreenPixels(const RECT& rect);

class Process {
  public:
    Process(const Install& install, const std::string& program, const std::string& argument,
            int showState = SW_SHOWNORMAL);
    ~Process();  // a copy still running is ended, so a failed test leaves nothing behind
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const;
    // The exit code, or -12345 when it did not end in time.
    int WaitForExit(int timeoutMs = 10000);
    void Kill();

  private:
    PROCESS_INFORMATION info_{};
};

class Marnelo : public Process {
  public:
    explicit Marnelo(const Install& install, const std::string& argument = "",
                     int showState = SW_SHOWNORMAL)
        : Process(install, "marnelo.exe", argument, showState), install_(install) {}

    std::vector<HWND> NoteWindows() const;  // class "marn", empty title, in z order
    std::vector<NoteView> Notes() const;    // sorted by position: left to right, top to bottom
    HWND MainWindow() const;
    bool WaitForNotes(std::size_t count, int timeoutMs = 10000) const;
    std::vector<std::string> NoteTexts() const;  // in the order of Notes()
    // True once the notes show exactly `texts` (a switch replaces them in its own time).
    bool WaitForTexts(const std::vector<std::string>& texts, int timeoutMs = 15000) const;
    bool WaitForMainWindow(int timeoutMs = 10000) const;
    // Ends the copy as a user would, through a second start with "end"; its exit code.
    int End(int timeoutMs = 10000);
    // Ends the copy through a close request to its main window, as its menus do; also works
    // when no note is left for a second start to find. Its exit code.
    int Close(int timeoutMs = 10000);

  private:
    Install install_;
};

// Starts a second copy with `argument` in the same folder and returns its exit code.
int RunSecondCopy(const Install& install, const std::string& argument, int timeoutMs = 10000);

// Ends every process of that executable name still running, whoever started it.
void KillProcessesNamed(const char* exeName);
void KillStrayCopies();  // marnelo.exe

// Positions in the note menu, counted from the top.
inline constexpr int kNoteMenuDelete = 2;
