#include "launcher/frame/main_menu.h"

// There is no main menu yet: a right click on the tray icon does nothing.
void OpenMainMenu(HWND) {}
