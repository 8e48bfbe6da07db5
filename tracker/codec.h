// The characters of a track row and their conversions to numbers and display text.
#pragma once

#include "runtime/string.h"

// Note code of row `row` (0-based): 0-28 for notes, 255 ".", 128 "<", 127 "+",
// 129 "#"; 0 for any other character and for a row past the end.
int PlayTrack(const String& track, int row);

// Three-character name of the row's note on the row's octave digit of `octaves`
// ("C-3", "---", "{|}", "-dn", "-up", "???"); "" when the octave character is
// not 0-3 or the row lies past the end.
String Translate2Note(const String& track, int row, const String& octaves);

// A volume value character: decimal reading, "A"-"F" / "a"-"f" as 10-15.
int Char2Int(const String& text);

// 0-15 as "0"-"9", "A"-"F"; other values as their decimal text.
String Int2Char(int value);

// The low byte of the value as two upper-case hexadecimal digits.
String Hex8(int value);

// The track with the character at index position-1 replaced by `text`; a
// position past the end appends.
String ChangeTrack(const String& track, int position, const String& text);

// Instrument cells keep one character for every instrument 0-31: 0-15 as
// Int2Char writes them, 16-31 as "G"-"V".
int InstChar2Int(const String& cell);
// Values outside 0-31 are clamped into it, so a cell never grows.
String Int2InstChar(int value);
