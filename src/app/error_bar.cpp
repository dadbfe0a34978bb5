#include "app/error_bar.hpp"

#include <algorithm>
#include <string>

#include "app/main_screen.hpp"
#include "console/colors.hpp"

namespace bidgauge {
namespace {

// The bar's erasure covers the longest message with room to spare.
constexpr int kBarEraseWidth = 40;

}  // namespace

int rowBelowEntry(int entryRow) {
  return std::min(entryRow + 2, Screen::kRows);
}

ErrorBarPlace showEntryError(Console& console, const EntryState& state) {
  const ErrorBarPlace place{rowBelowEntry(console.cursorRow()), console.cursorRow(),
                            console.cursorColumn()};
  console.hideCursor();
  console.setColor(color::brightWhite, color::magenta);
  console.moveCursor(place.barRow, entryColumn);
  console.printText(" " + errorText(state) + " ");
  console.playBeep();
  console.flushKeys();  // only a key pressed after the message dismisses it
  return place;
}

void dismissEntryError(Console& console, const ErrorBarPlace& place) {
  console.showCursor();
  console.setColor(color::brightWhite, color::blue);
  console.moveCursor(place.barRow, entryColumn);
  console.printText(std::string(kBarEraseWidth, ' '));
  console.moveCursor(place.typingRow, place.typingColumn);
}

}  // namespace bidgauge
