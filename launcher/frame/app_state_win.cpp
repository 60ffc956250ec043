#include "launcher/frame/app_state_win.h"

#include "launcher/notes/note_table_win.h"

Launcher app;
NoteTable notes;
BoardState board;
