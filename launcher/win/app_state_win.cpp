#include "launcher/win/app_state_win.h"

MarneloState marnelo;
MarneloWindows ui;
NoteTable notes;
