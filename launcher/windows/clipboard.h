// clipboard.h — the program's clipboard texts, in code page 932.
#pragma once
#include <optional>
#include <string>

// A copy of the clipboard's text, or nothing when it holds none.
std::optional<std::string> TakeClipboardText();

// Replaces every format the clipboard held with `text`.
void PutTextOnClipboard(const std::string& text);
