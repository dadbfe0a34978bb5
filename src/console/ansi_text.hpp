#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "console/screen.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {

// How many colours a terminal can show.
enum class ColorDepth { none, eight, sixteen };

// The ANSI (and curses) number of a DOS colour: the two use opposite bit
// orders for red and blue.
int ansiColor(int dosColor);

// A cell attribute as a terminal of some depth shows it, colours as ANSI
// numbers. Eight colours show bright foregrounds as bold and have no bright
// backgrounds. Without colours, bright text is bold (dark grey is not: it is
// the dimmed part of a label) and a background other than the screen's own
// dark ones is reverse video, so bars and questions still stand out.
struct TextLook {
  int foreground = 7;
  int background = 0;
  bool bold = false;
  bool reverse = false;

  friend bool operator==(const TextLook&, const TextLook&) = default;
};

TextLook textLook(std::uint8_t attr, ColorDepth depth);

// The SGR sequence that selects a cell attribute. `fromScratch` starts it with
// a reset, which clears the bold or reverse of an earlier one.
std::string sgrSequence(std::uint8_t attr, ColorDepth depth, bool fromScratch = true);

// How screen rows are written as text.
struct RowTextFormat {
  GlyphSet glyphs = GlyphSet::full;
  // Nothing: no escape sequences, and trailing blanks are trimmed.
  std::optional<ColorDepth> colors = ColorDepth::sixteen;
  bool fromScratch = true;       // see sgrSequence
  int width = Screen::kColumns;  // rows are cut to a narrower terminal instead of wrapping
  bool eraseRight = false;       // in colour: clear what a wider terminal shows right of a row
                                 // (never on a terminal exactly as wide: it takes the last cell)
};

// Rows 1 to lastRow, each ended by a newline. In colour, every row ends with a
// colour reset, so scrolling never paints a coloured background below it.
std::string screenRowsText(const Screen& screen, int lastRow, const RowTextFormat& format);

}  // namespace bidgauge
