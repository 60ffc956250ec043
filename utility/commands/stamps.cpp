#include "utility/commands/stamps.h"

// The stamps come with the modes and bookmarks; Ctrl+T reaches here already.
void ToggleStamp(HWND, LPARAM) {}
