// colours.h — the named colour table of notes and the rules that turn a note's stored values
// into its look: colour, opacity and alignment.
#pragma once
#include "common/rgb.h"

inline constexpr int kColourCount = 18;
extern const char* const kColourNames[kColourCount];
extern const Rgb kColourTable[kColourCount];

// A custom triple is in force only when none of its components is -1.
bool IsCustomColour(int red, int green, int blue);

// The custom triple (each component modulo 256) when in force, else the table entry; an index
// outside the table gives 1, 1, 1.
Rgb ColourOf(int index, int red, int green, int blue);

// The table entry whose shared brush paints a background, or -1 when a custom triple or an
// index outside the table gives the note a brush of its own.
int PaletteEntryOf(int index, int red, int green, int blue);

// Layered-window alpha from an opacity in percent, clamped to kLeastTransparency..100: a note
// of a hand-edited board or settings file is never invisible and never lets clicks through.
int AlphaOf(int transparency);

enum class TextAlign { Left, Centre, Right };
TextAlign AlignOf(int align);
