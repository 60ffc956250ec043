#include "launcher/frame/app_state.h"

#include "launcher/notes/note_table.h"

Launcher app;
NoteTable notes;
BoardState board;
