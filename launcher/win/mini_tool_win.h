// mini_tool_win.h — the small always-on-top dialog that chooses what the attribute tool copies.
#pragma once

// Returns when the tool has closed; the board is then saved and loaded again through a second
// copy, so every change made with the tool shows in freshly made note windows.
void OpenMiniTool();

// A pick happened: the tool goes to pasting and shows `value` when a note was picked from.
void MiniToolPicked(bool fromNote, int value);
