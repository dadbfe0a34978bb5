#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "console/screen.hpp"

namespace bidgauge {

// A run of cells in the same colours: one span on the page, as wide as its
// cells, so the next run starts on the grid even if its glyphs come from a
// fallback font. Glyphs beyond ASCII make runs of their own, and a suit
// stands alone to carry its name for screen readers.
struct CellRun {
  int foreground = 7;
  int background = 0;
  int cells = 0;
  std::string text;        // UTF-8, the glyphs of code page 437, one per cell
  std::string_view label;  // the suit's name, or empty
  friend bool operator==(const CellRun&, const CellRun&) = default;
};

// The row's runs from column 1 to 80.
std::vector<CellRun> rowRuns(const Screen& screen, int row);

}  // namespace bidgauge
