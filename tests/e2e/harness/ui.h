// ui.h — what a user does and reads outside the note windows: message boxes, the clipboard,
// and real mouse and keyboard input through the system's input queue.
#pragma once
#include <windows.h>

#include <string>

// A message box of process `processId` with the given caption, or nullptr after the timeout.
HWND WaitForMessageBox(DWORD processId, const std::string& caption, int timeoutMs = 10000);
std::string MessageBoxText(HWND box);
// Presses the box's button (IDOK, IDYES, IDNO ...) as a click would.
void PressButton(HWND box, int buttonId);

void SetClipboardText(const std::string& text);
std::string ClipboardText();

// Real input: absolute pointer moves, button presses and keys.
void MovePointerTo(int x, int y);
void PressLeftButton();
void ReleaseLeftButton();
void PressRightButton();
void ReleaseRightButton();
void PressKey(WORD virtualKey);
void ReleaseKey(WORD virtualKey);
void TypeKey(WORD virtualKey);  // down and up
