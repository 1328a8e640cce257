#pragma once
// The built-in font used until the game loads its own: plain 8 x 12 pixel
// cells for the printable ASCII codes 32..127, one byte per row (bit 7 is
// the leftmost pixel).
#include <cstdint>

constexpr int kBuiltinFirst = 32;
constexpr int kBuiltinLast = 127;
constexpr int kBuiltinCellWidth = 8;
constexpr int kBuiltinFontHeight = 12;
constexpr int kBuiltinAdvance = 8;

// The rows of one glyph; codes outside the range give the blank glyph.
const uint8_t* BuiltinGlyphRows(int code);
