#pragma once

#include <span>

#include "console/console.hpp"
#include "help/help_page.hpp"

namespace bidgauge {

// Draws the steps in order, in the current background.
void drawPieces(Console& console, std::span<const HelpPiece> pieces);

// Clears the screen and draws page `number` (1 to 10) with its title box and
// navigation bar, leaving the cursor on the bar's first key letter.
void drawHelpPage(Console& console, int number);

}  // namespace bidgauge
