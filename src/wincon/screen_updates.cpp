#include "wincon/screen_updates.hpp"

#include "hand/cp437.hpp"

namespace bidgauge {

std::vector<RowChange> changedRows(const Screen* shown, const Screen& now) {
  std::vector<RowChange> changes;
  for (int row = 1; row <= Screen::kRows; ++row) {
    if (shown == nullptr) {
      changes.push_back({row, 1, Screen::kColumns});
      continue;
    }
    int first = 0;
    int last = 0;
    for (int column = 1; column <= Screen::kColumns; ++column) {
      if (shown->cell(row, column) == now.cell(row, column)) continue;
      if (first == 0) first = column;
      last = column;
    }
    if (first != 0) changes.push_back({row, first, last});
  }
  return changes;
}

char16_t consoleCharacter(char cp437) {
  // Code page 437 lies wholly in the Basic Multilingual Plane.
  return static_cast<char16_t>(cp437ToUnicode(static_cast<unsigned char>(cp437)));
}

int lastKeptRow(const Screen& screen) {
  return screen.cursorColumn() == 1 ? screen.cursorRow() - 1 : Screen::kRows;
}

}  // namespace bidgauge
