#pragma once

#include <string_view>

#include "console/console.hpp"

namespace bidgauge {

inline constexpr std::string_view kWindowTitle =
    "EVAL:  Kaplan Four C's - Zar Points - Kleiman Points - Culbertson Honor Tricks";

// Typing starts here on the entry row.
inline constexpr int entryColumn = 19;

struct CursorPosition {
  int row = 0;
  int column = 0;
};

// Clears the screen to blue and draws the title, the credit and the start-up
// hint; the cursor is left at the start of row 4.
void drawTitleScreen(Console& console);

// Erases the start-up hint and puts the cursor back at `resume`.
void eraseHint(Console& console, CursorPosition resume);

// Draws the separator and the "Enter a hand" prompt below the cursor and
// leaves the cursor at the entry column of the prompt row, in the entry colours.
void drawPrompt(Console& console);

}  // namespace bidgauge
