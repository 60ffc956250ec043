// resource.h — Marnelo's ids in one place: the dialogs, their controls and the icon (shared by
// marnelo.rc, the code and the tests), the menu commands and the window messages.
#pragma once

#define IDI_MARNELO 103

// The Edit dialog.
#define IDD_EDIT 101
#define IDC_AUTO_SIZE 3
#define IDC_COMMAND_BOX 1000
#define IDC_TEXT_BOX 1001
#define IDC_TRANSPARENCY 1003
#define IDC_FONT_SIZE 1004
#define IDC_MEDIA_PATH 1005
#define IDC_BACK_COLOUR 1006
#define IDC_TEXT_COLOUR 1007
#define IDC_TOPMOST 1008
#define IDC_BOARD 1009
#define IDC_MOVE 1010
#define IDC_RUN_TYPE 1011
#define IDC_ALIGN 1012
#define IDC_COMMON 1013
#define IDC_MINI 1014
#define IDC_MINI_WIDTH 1015
#define IDC_MINI_HEIGHT 1016
#define IDC_FONT_FACE 1017
#define IDC_RAISE_ON_HOVER 1018
#define IDC_BACK_RED 1019
#define IDC_BACK_CHOOSE 1020
#define IDC_TEXT_CHOOSE 1021
#define IDC_BACK_GREEN 1022
#define IDC_BACK_BLUE 1023
#define IDC_TEXT_RED 1024
#define IDC_TEXT_GREEN 1025
#define IDC_TEXT_BLUE 1026
#define IDC_DESKTOP_COLOUR 1027
#define IDC_BORDERLESS 1028

// The mini tool; its main button is IDOK, its close button IDCANCEL.
#define IDD_MINI_TOOL 104
#define IDC_RANDOM_COLOUR 1008
#define IDC_KIND 1029
#define IDC_PICKED_VALUE 1030

#ifndef RC_INVOKED
// The window messages by which two copies of the program and the tray icon talk to the windows
// of the class "marn".
inline constexpr unsigned MSG_END = 9994;       // end the program
inline constexpr unsigned MSG_EXEC = 9995;      // make a run note from the clipboard text
inline constexpr unsigned MSG_CLIPB = 9996;     // make a clipboard note from the clipboard text
inline constexpr unsigned MSG_ACTIVATE = 9997;  // take a board from a title, or raise all notes
inline constexpr unsigned MSG_TRAY = 9998;      // tray icon callback
inline constexpr unsigned TRAY_ICON_ID = 9999;

// Posted by the clock thread to the main window: wParam 1 when the minute's refresh is due.
// It carries no pointer, so one posted by anyone else can do no harm.
inline constexpr unsigned MSG_CLOCK_TICK = 0x8000 + 1;  // WM_APP + 1

// The tray icon's menu.
enum MainMenuCommand {
    kMainEnd = 1,
    kMainNewNote = 2,
    kMainNewNoteFile = 3,
    kMainHelp = 4,
    kMainMiniTool = 5,
    kMainFirstBoard = 6,  // the folder boards, then the outside boards
};

// A note's menu.
enum NoteMenuCommand {
    kMenuNewNote = 2,
    kMenuEdit = 3,
    kMenuDelete = 4,
    kMenuRun = 5,
    kMenuCopy = 6,
    kMenuFirstBoard = 10,  // the "移動" entries: folder boards first, then outside boards
};
#endif
