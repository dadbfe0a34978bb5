#pragma once

#include <string>

#include "console/screen.hpp"
#include "hand/entry_state.hpp"
#include "results/result_text.hpp"

namespace bidgauge {

enum class TextStyle {
  plain,   // UTF-8, trailing blanks trimmed
  colour,  // UTF-8 with ANSI colours, every row 80 cells wide as on the program's screen
};

// The entry row as the interactive program leaves it ("  Enter a hand:" and the
// hand as typed from the entry column, without the key labels, since no keys
// are read), then the results panel below it, one text line per screen row.
std::string handPanelText(const EntryState& entry, const ResultRows& rows, TextStyle style);

// Rows 1 to lastRow of the screen, each ending in a line feed.
std::string screenText(const Screen& screen, int lastRow, TextStyle style);

}  // namespace bidgauge
