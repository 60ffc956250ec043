// messages.h — the window messages by which two copies of the program and the tray icon talk
// to the windows of the class "marn".
#pragma once

inline constexpr unsigned MSG_END = 9994;       // end the program
inline constexpr unsigned MSG_EXEC = 9995;      // make a run note from the clipboard text
inline constexpr unsigned MSG_CLIPB = 9996;     // make a clipboard note from the clipboard text
inline constexpr unsigned MSG_ACTIVATE = 9997;  // take a board from a title, or raise all notes
inline constexpr unsigned MSG_TRAY = 9998;      // tray icon callback
inline constexpr unsigned TRAY_ICON_ID = 9999;

// Posted by the clock thread to the main window: wParam 1 when the minute's refresh is due.
// It carries no pointer, so one posted by anyone else can do no harm.
inline constexpr unsigned MSG_CLOCK_TICK = 0x8000 + 1;  // WM_APP + 1

inline constexpr int kAppIconId = 103;
inline constexpr const char* kWindowClass = "marn";
inline constexpr const char* kMainWindowTitle = "Marnelo ver0.95 ";
inline constexpr const char* kMutexName =
    "_\x83\x74\x83\x62\x83\x4e_marn_Mutex_";  // _フック_marn_Mutex_
