#pragma once

#include "console/console.hpp"
#include "console/drawing.hpp"
#include "console/screen.hpp"
#include "results/result_text.hpp"

namespace bidgauge {

// The steps that draw the hand box and the results box below the entry line,
// from the cursor at the end of the entry. A list of steps, so the command-line
// mode can draw the panel without a terminal.
Drawing panelSteps(const Hand& hand, const ResultRows& rows);

// Draws the panel at the cursor, as the entry line's Enter does.
void showResults(Console& console, const Hand& hand, const ResultRows& rows);

}  // namespace bidgauge
