#pragma once

#include "console/screen.hpp"

namespace bidgauge {

// Clears the screen and draws page `number` (1 to 10) with its title box and
// navigation bar, leaving the cursor on the bar's first key letter.
void drawHelpPage(Screen& screen, int number);

}  // namespace bidgauge
