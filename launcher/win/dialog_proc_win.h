// dialog_proc_win.h — what both of Marnelo's dialogs answer the system, given what each does.
#pragma once
#include <windows.h>

struct DialogHandlers {
    void (*fill)(HWND dialog);                    // at WM_INITDIALOG, before the default focus
    void (*command)(HWND dialog, WPARAM wParam);  // a button, box or list
    void (*close)(HWND dialog);                   // the title bar's close; nullptr: the default
    void (*forget)();                             // the window is going: drop what refers to it
    HBRUSH (*editColours)(HWND dialog, HDC dc);   // WM_CTLCOLOREDIT; nullptr: the default
};

INT_PTR AnswerDialogMessage(const DialogHandlers& handlers, HWND dialog, UINT message,
                            WPARAM wParam);
