#pragma once

#include <string>

#include "console/screen.hpp"
#include "hand/cp437.hpp"

namespace bidgauge::testing_support {

// Row `row` as UTF-8, trailing blanks removed.
inline std::string rowText(const Screen& screen, int row) {
  std::string text = screen.rowText(row);
  text.erase(text.find_last_not_of(' ') + 1);
  return cp437ToUtf8(text);
}

// `length` cells of row `row` from `column`, as UTF-8.
inline std::string textAt(const Screen& screen, int row, int column, int length) {
  return cp437ToUtf8(screen.rowText(row).substr(column - 1, length));
}

// True when every cell in the range has the colours.
inline bool coloured(const Screen& screen, int row, int column, int length, int foreground,
                     int background) {
  for (int c = column; c < column + length; ++c) {
    const Cell& cell = screen.cell(row, c);
    if (cell.foreground() != foreground || cell.background() != background) return false;
  }
  return true;
}

}  // namespace bidgauge::testing_support
