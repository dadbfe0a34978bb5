#pragma once

#include <cstdint>
#include <string>

#include "console/ansi_text.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {

ColorDepth colorDepth(int colors, int colorPairs);

// The curses number of a DOS colour, the same as the ANSI one.
inline int cursesColor(int dosColor) {
  return ansiColor(dosColor);
}

// Light grey on black.
inline constexpr std::uint8_t kPlainAttr = 0x07;

// How a cell attribute is drawn with curses.
struct CellStyle {
  int pair = 0;
  int foreground = 7;
  int background = 0;
  bool bold = false;
  bool reverse = false;

  friend bool operator==(const CellStyle&, const CellStyle&) = default;
};

// The colours, bold and reverse of textLook, and a colour pair. Pair 0 is
// given to the `resting` attribute: curses returns to pair 0 after every
// update, so text in that attribute costs no colour changes.
CellStyle cellStyle(std::uint8_t attr, ColorDepth depth, std::uint8_t resting = kPlainAttr);

}  // namespace bidgauge
