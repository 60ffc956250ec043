#include "launcher/win/dialog_proc_win.h"

INT_PTR AnswerDialogMessage(const DialogHandlers& handlers, HWND dialog, UINT message,
                            WPARAM wParam) {
    switch (message) {
        case WM_INITDIALOG:
            handlers.fill(dialog);
            return TRUE;
        case WM_COMMAND:
            handlers.command(dialog, wParam);
            return TRUE;
        case WM_CLOSE:
            if (!handlers.close) return FALSE;
            handlers.close(dialog);
            return TRUE;
        case WM_CTLCOLOREDIT:
            if (!handlers.editColours) return FALSE;
            return reinterpret_cast<INT_PTR>(
                handlers.editColours(dialog, reinterpret_cast<HDC>(wParam)));
        case WM_DESTROY:
            handlers.forget();
            return FALSE;
    }
    return FALSE;
}
