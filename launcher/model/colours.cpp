#include "launcher/model/colours.h"

#include "launcher/model/note_bounds.h"

const char* const kColourNames[kColourCount] = {
    "Black", "Blue", "Aqua",  "Navy",   "Gray",  "Lime",  "Silver", "Fuchsia", "Orange",
    "Rose",  "Red",  "White", "Yellow", "Green", "Olive", "Maroon", "Teal",    "Purple"};

const Rgb kColourTable[kColourCount] = {
    {0, 0, 0},   {0, 0, 255},     {0, 255, 255}, {0, 0, 128},   {128, 128, 128},
    {0, 255, 0}, {192, 192, 192}, {255, 0, 255}, {128, 128, 0}, {255, 153, 204},
    {255, 0, 0}, {255, 255, 255}, {255, 255, 0}, {0, 128, 0},   {128, 128, 0},
    {128, 0, 0}, {0, 128, 128},   {128, 0, 128}};

bool IsCustomColour(int red, int green, int blue) {
    return red != -1 && green != -1 && blue != -1;
}

Rgb ColourOf(int index, int red, int green, int blue) {
    if (IsCustomColour(red, green, blue)) return {red & 0xFF, green & 0xFF, blue & 0xFF};
    if (index < 0 || index >= kColourCount) return {1, 1, 1};
    return kColourTable[index];
}

int PaletteEntryOf(int index, int red, int green, int blue) {
    if (IsCustomColour(red, green, blue) || index < 0 || index >= kColourCount) return -1;
    return index;
}

int AlphaOf(int transparency) {
    if (transparency < kLeastTransparency) transparency = kLeastTransparency;
    if (transparency > 100) return 255;
    return transparency * 255 / 100;
}

TextAlign AlignOf(int align) {
    if (align == 0) return TextAlign::Left;
    if (align == 1) return TextAlign::Centre;
    return TextAlign::Right;
}
