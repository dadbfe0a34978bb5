#pragma once

#include <cstdint>
#include <string>

namespace bidgauge {

// How many colours a terminal can show.
enum class ColorDepth { none, eight, sixteen };

ColorDepth colorDepth(int colors, int colorPairs);

// The curses (and ANSI) number of a DOS colour: the two use opposite bit
// orders for red and blue.
int cursesColor(int dosColor);

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

// Eight-colour terminals show bright foregrounds as bold and have no bright
// backgrounds; without colours, bold and reverse stand in. Pair 0 is given to
// the `resting` attribute: curses returns to pair 0 after every update, so
// text in that attribute costs no colour changes.
CellStyle cellStyle(std::uint8_t attr, ColorDepth depth, std::uint8_t resting = kPlainAttr);

// The SGR sequence that selects a cell attribute from scratch.
std::string sgrSequence(std::uint8_t attr, ColorDepth depth);

// Line-drawing shapes for terminals without UTF-8, named as in cp437.hpp.
enum class LineShape {
  none,
  horizontal,
  vertical,
  topLeft,
  topRight,
  bottomLeft,
  bottomRight,
  teeLeft,   // ├
  teeRight,  // ┤
  teeUp,     // ┴
  teeDown,   // ┬
  cross,
};

// A code page 437 byte in ASCII: the character to print, or the line shape to
// draw with the terminal's line characters (then `ch` is the plain stand-in).
struct AsciiGlyph {
  char ch = '?';
  LineShape line = LineShape::none;

  friend bool operator==(const AsciiGlyph&, const AsciiGlyph&) = default;
};

AsciiGlyph asciiGlyph(unsigned char byte);

}  // namespace bidgauge
