#pragma once

#include <string>
#include <vector>

#include "console/console.hpp"
#include "console/screen.hpp"
#include "results/result_text.hpp"

namespace bidgauge {

// One drawing step of the results panel. The panel is built as a list of
// steps so the command-line mode can draw it without a terminal.
struct PanelStep {
  enum class Op { color, column, tab, text, newLine };
  Op op;
  int foreground = 0;  // color
  int background = 0;  // color
  int column = 0;      // column, tab
  std::string text;    // text
};

// The steps that draw the hand box and the results box below the entry line.
std::vector<PanelStep> panelSteps(const Hand& hand, const ResultRows& rows);

// Replays steps on a screen.
void drawSteps(Screen& screen, const std::vector<PanelStep>& steps);

// Draws the panel at the cursor, as the entry line's Enter does.
void showResults(Console& console, const Hand& hand, const ResultRows& rows);

}  // namespace bidgauge
