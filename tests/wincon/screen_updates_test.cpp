#include "wincon/screen_updates.hpp"

#include <gtest/gtest.h>

namespace bidgauge {
namespace {

TEST(ChangedRows, DrawEverythingFirstThenOnlyTheSpanOfEachChangedRow) {
  Screen before;
  before.printText("Enter a hand:");
  EXPECT_EQ(changedRows(nullptr, before).size(), std::size_t{Screen::kRows});
  EXPECT_TRUE(changedRows(&before, before).empty());

  Screen after = before;
  after.moveCursor(5, 3);
  after.printText("x");
  after.moveCursor(5, 70);
  after.printText("y");
  after.moveCursor(9, 80);
  after.setColor(14, 1);
  after.printText(" ");  // a new colour alone is a change too
  EXPECT_EQ(changedRows(&before, after), (std::vector<RowChange>{{5, 3, 70}, {9, 80, 80}}));
}

TEST(ConsoleCharacter, ShowsEveryByteAsItsCodePage437Glyph) {
  EXPECT_EQ(consoleCharacter('A'), u'A');
  EXPECT_EQ(consoleCharacter('\x06'), u'\u2660');  // a control code is a glyph too
  EXPECT_EQ(consoleCharacter('\xAB'), u'\u00BD');
  EXPECT_EQ(consoleCharacter('\xC9'), u'\u2554');
}

TEST(LastKeptRow, EndsAboveACursorAtTheStartOfARowElseKeepsEveryRow) {
  Screen screen;
  screen.moveCursor(25, 1);
  EXPECT_EQ(lastKeptRow(screen), 24);
  screen.moveCursor(7, 47);
  EXPECT_EQ(lastKeptRow(screen), Screen::kRows);
  screen.moveCursor(1, 1);
  EXPECT_EQ(lastKeptRow(screen), 0);
}

}  // namespace
}  // namespace bidgauge
