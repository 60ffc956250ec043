#include "launcher/windows/attribute_tool.h"

// The tool cannot be switched on yet, so no release reaches it.
void ReleaseInToolMode(HWND) {}
