#include "app/error_bar.hpp"

#include <algorithm>
#include <string>

#include "console/colors.hpp"
#include "app/main_screen.hpp"

namespace bidgauge {

int rowBelowEntry(int entryRow) {
  return std::min(entryRow + 2, Screen::kRows);
}

void showEntryError(Console& console, const EntryState& state) {
  std::string message(1, ' ');
  message.append(errorText(state)).append(1, ' ');
  const CursorPosition typing{console.cursorRow(), console.cursorColumn()};
  const int barRow = rowBelowEntry(typing.row);

  console.hideCursor();
  console.setColor(color::brightWhite, color::magenta);
  console.moveCursor(barRow, entryColumn);
  console.printText(message);
  console.playBeep();
  console.flushKeys();
  console.waitKey();

  console.showCursor();
  console.setColor(color::brightWhite, color::blue);
  console.moveCursor(barRow, entryColumn);
  console.printText(std::string(40, ' '));
  console.moveCursor(typing.row, typing.column);
}

}  // namespace bidgauge
