#pragma once

#include <string>

#include "console/screen.hpp"
#include "hand/entry_state.hpp"
#include "results/result_text.hpp"

namespace bidgauge {

enum class TextStyle {
  plain,   // trailing blanks trimmed
  colour,  // ANSI colours, every row 80 cells wide as on the program's screen
};

// The entry row as the interactive program leaves it ("  Enter a hand:" and the
// hand as typed from the entry column, without the key labels, since no keys
// are read), then the results panel below it, one text line per screen row.
// `rows` are formatted for the same glyph set.
std::string handPanelText(const EntryState& entry, const ResultRows& rows, TextStyle style,
                          GlyphSet glyphs = GlyphSet::full);

// Rows 1 to lastRow of the screen, each ending in a line feed.
std::string screenText(const Screen& screen, int lastRow, TextStyle style,
                       GlyphSet glyphs = GlyphSet::full);

}  // namespace bidgauge
