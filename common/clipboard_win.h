// clipboard_win.h — text on the system clipboard, in code page 932, for both programs. Another
// program may hold the clipboard open for a moment (a clipboard viewer, a copy in progress):
// both operations wait a little for it before they give up.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

// A copy of the clipboard's text, or nothing when it holds none or stayed held.
std::optional<std::string> TakeClipboardText();

// Replaces every format the clipboard held with `text`, for `owner` (a clipboard emptied
// without an owner refuses new data). False when the clipboard stayed held or took nothing.
bool PutTextOnClipboard(HWND owner, const std::string& text);
