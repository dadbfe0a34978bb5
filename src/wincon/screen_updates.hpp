#pragma once

#include <vector>

#include "console/screen.hpp"

namespace bidgauge {

// Cells of one row that changed, from column `first` to `last` (1-based,
// inclusive): one write to the console each.
struct RowChange {
  int row = 1;
  int first = 1;
  int last = Screen::kColumns;

  friend bool operator==(const RowChange&, const RowChange&) = default;
};

// What to write to turn the console from `shown` into `now`: per row, the
// span from its first to its last changed cell. Every row in full when
// nothing is shown yet.
std::vector<RowChange> changedRows(const Screen* shown, const Screen& now);

// The console character that shows a code page 437 byte.
char16_t consoleCharacter(char cp437);

// The last row of the screen worth keeping after exit: the one above the
// cursor when the program ended with its cursor at the start of a row (its
// last newLine), else the bottom row.
int lastKeptRow(const Screen& screen);

}  // namespace bidgauge
