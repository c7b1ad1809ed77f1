// A tiny font for layout tests: every printable ASCII glyph is 6 pixels
// wide with ink in columns 0..4 of rows 1..6, the space is 3 pixels wide
// without ink, 'W' is 10 pixels wide (two bytes per row) and U+00E9 sits in
// a second range. Height 8; TestFontTall has the same glyphs with a line
// distance of 10.
#pragma once

#include "gui/core/gui_font.h"

extern const GUI_Font TestFont;
extern const GUI_Font TestFontTall;

constexpr int kTestGlyphWidth = 6;
constexpr int kTestSpaceWidth = 3;
constexpr int kTestWideWidth = 10;
