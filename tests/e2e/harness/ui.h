// ui.h — what a user does and reads outside the note windows: message boxes, the clipboard,
// and real mouse and keyboard input through the system's input queue.
#pragma once
#include <windows.h>

#include <string>

// A message box of process `processId` with the given caption, or nullptr after the timeout.
HWND WaitForMessageBox(DWORD processId, const std::string& caption, int timeoutMs = 10000);
std::string MessageBoxText(HWND box);
// Any visible dialog (class "#32770") of the process, whatever its caption, or nullptr.
HWND WaitForDialog(DWORD processId, int timeoutMs = 10000);
// Presses the box's button (IDOK, IDYES, IDNO ...) as a click would.
void PressButton(HWND box, int buttonId);

void SetClipboardText(const std::string& text);
std::string ClipboardText();

// Real input: absolute pointer moves, button presses and keys.
void MovePointerTo(int x, int y);
// The X server drops a move of the pointer while a program still holds it (a move loop just
// ended): the next press would then start from the old place. Moves the pointer until the X
// server reports it at the point; false when it never does.
bool PlacePointerAt(int x, int y, int timeoutMs = 3000);
// Moves the pointer to the screen's bottom right corner, where no program window lies. Under
// Wine a window that appears under the pointer makes the X server send the state of its real
// keyboard a moment later, and Wine then lets go of every key the tests hold down through
// SendInput: keys sent to a program that has just started would lose their modifiers.
void ParkPointer();
void PressLeftButton();
void ReleaseLeftButton();
void PressRightButton();
void ReleaseRightButton();
void PressKey(WORD virtualKey);
void ReleaseKey(WORD virtualKey);
void TypeKey(WORD virtualKey);  // down and up
// A click held 150 ms on a control or a list row, so that a busy program still sees the button
// down when it takes the press. A note is clicked with ClickNote (click.h).
void ClickAt(int x, int y);
// Two quick clicks at one point, within any double-click time.
void DoubleClickAt(POINT at);

// Where `window` lies on the screen.
RECT RectOf(HWND window);
// Waits up to 3 s until `window` lies at (left, top) with this size on the screen.
bool HasRect(HWND window, int left, int top, int width, int height);

// Writes what the screen shows of `window` as a 24-bit BMP file; false when it could not.
bool SaveWindowPicture(HWND window, const std::string& path);

// The screen DPI the high-DPI tests give the programs they start.
inline constexpr DWORD kTestScreenDpi = 192;
// Programs started while it lives see a screen of kTestScreenDpi; the setting comes back after.
class TestScreenDpi {
  public:
    TestScreenDpi();
    ~TestScreenDpi();
    TestScreenDpi(const TestScreenDpi&) = delete;
    TestScreenDpi& operator=(const TestScreenDpi&) = delete;

  private:
    HKEY key_ = nullptr;
    DWORD old_ = 0;
    bool had_ = false;
};
