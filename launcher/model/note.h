// note.h — the stored fields of one sticky note, in the order of a record in a note file.
#pragma once
#include <string>

#include "launcher/resources/texts.h"

// What a click on a note does with its command, as the note file numbers it.
enum NoteRunType : int { kRunTypeCommand = 0, kRunTypeCopy = 1, kRunTypeCopyLine = 2 };

struct Note {
    std::string text;     // displayed text, lines separated by CR LF
    std::string command;  // what a click runs; empty means none
    int x = 0;
    int y = 0;
    int height = 50;  // full size, also while the note is shown mini
    int width = 90;
    std::string mediaPath;  // picture, text file or folder shown in the note
    int fontSize = 14;
    int transparency = 100;  // opacity in percent
    int topmost = 0;
    int backColor = 11;  // index into the colour table
    int textColor = 0;
    int runType = 0;  // kRunTypeCommand, kRunTypeCopy or kRunTypeCopyLine
    int align = 0;    // 0 left, 1 centre, otherwise right
    int common = 0;   // shown on every board, stored in the common file
    int mini = 0;
    int miniWidth = 40;
    int miniHeight = 20;
    int raiseOnHover = 0;
    int borderless = 0;
    int spare = 0;  // kept and written back; nothing else uses it
    std::string fontFace;
    int textRed = -1, textGreen = -1, textBlue = -1;
    int backRed = -1, backGreen = -1, backBlue = -1;
};

// Label tables of the Edit dialog: the index of a label is the stored value.
inline constexpr const char* kRunTypeNames[] = {kRunTypeNormalLabel, kRunTypeClipboardLabel,
                                                kRunTypeLineMenuLabel};
inline constexpr const char* kAlignNames[] = {kAlignLeftLabel, kAlignCentreLabel, kAlignRightLabel};
