#include "launcher/editor/mini_tool.h"

// The dialog itself is not built yet: the menu item opens nothing.
void OpenMiniTool() {}
