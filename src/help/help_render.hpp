#pragma once

#include "console/screen.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {

// Clears the screen and draws page `number` (1 to 10) with its title box and
// navigation bar, leaving the cursor on the bar's first key letter. Half signs
// are spelled for the glyph set (see draw).
void drawHelpPage(Screen& screen, int number, GlyphSet glyphs = GlyphSet::full);

}  // namespace bidgauge
