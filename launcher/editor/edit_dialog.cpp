#include "launcher/editor/edit_dialog.h"

// There is no Edit dialog yet: a long press, or a click on a note without command, changes
// nothing.
void OpenEditDialog(HWND) {}
