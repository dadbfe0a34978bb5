#include "console/screen.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "console/colors.hpp"

namespace bidgauge {
namespace {

// A screen in yellow on blue with the cursor at (row, column).
Screen screenAt(int row, int column) {
  Screen screen;
  screen.setColor(color::yellow, color::blue);
  screen.clearScreen();
  screen.moveCursor(row, column);
  return screen;
}

TEST(ScreenPrinting, WrapsAtTheRightEdgeToTheNextRow) {
  Screen screen = screenAt(3, 79);
  screen.printText("abc");
  EXPECT_EQ(screen.cell(3, 79).ch, 'a');
  EXPECT_EQ(screen.cell(3, 80).ch, 'b');
  EXPECT_EQ(screen.cell(4, 1).ch, 'c');
  EXPECT_EQ(screen.cursorRow(), 4);
  EXPECT_EQ(screen.cursorColumn(), 2);
}

TEST(ScreenPrinting, TextEndingInColumn80LeavesTheCursorOnTheNextRow) {
  Screen screen = screenAt(10, 71);
  screen.printText(std::string(10, '#'));
  EXPECT_EQ(screen.cursorRow(), 11);
  EXPECT_EQ(screen.cursorColumn(), 1);
  EXPECT_FALSE(screen.scrollPending());
}

TEST(ScreenPrinting, FillingTheLastRowDefersTheScroll) {
  Screen screen = screenAt(25, 1);
  screen.moveCursor(1, 1);
  screen.printText("top");
  screen.moveCursor(25, 1);
  screen.printText(std::string(80, '='));
  EXPECT_EQ(screen.cursorRow(), 25);
  EXPECT_EQ(screen.cursorColumn(), 1);
  EXPECT_TRUE(screen.scrollPending());
  EXPECT_EQ(screen.rowText(1).substr(0, 3), "top");  // nothing scrolled yet
  EXPECT_EQ(screen.rowText(25), std::string(80, '='));
}

TEST(ScreenPrinting, OneMoreCharacterScrollsFirst) {
  Screen screen = screenAt(25, 1);
  screen.printText(std::string(80, '='));
  screen.printText("!");
  EXPECT_EQ(screen.rowText(24), std::string(80, '='));
  EXPECT_EQ(screen.cell(25, 1).ch, '!');
  EXPECT_EQ(screen.cell(25, 2).ch, ' ');
  EXPECT_EQ(screen.cursorRow(), 25);
  EXPECT_EQ(screen.cursorColumn(), 2);
}

TEST(ScreenPrinting, NewLineAfterAFullLastRowScrollsTwice) {
  Screen screen = screenAt(25, 1);
  screen.printText(std::string(80, '='));
  screen.newLine();
  EXPECT_EQ(screen.rowText(23), std::string(80, '='));
  EXPECT_EQ(screen.rowText(24), std::string(80, ' '));
  EXPECT_EQ(screen.rowText(25), std::string(80, ' '));
  EXPECT_EQ(screen.cursorRow(), 25);
  EXPECT_FALSE(screen.scrollPending());
}

TEST(ScreenPrinting, MovingTheCursorCancelsAPendingScroll) {
  Screen screen = screenAt(25, 1);
  screen.printText(std::string(80, '='));
  screen.moveToColumn(5);
  screen.printText("x");
  EXPECT_EQ(screen.rowText(25).substr(0, 6), "====x=");
}

TEST(ScreenPrinting, ScrollBlanksTheNewRowInTheCurrentColours) {
  Screen screen = screenAt(25, 1);
  screen.setColor(color::lightGrey, color::magenta);
  screen.newLine();
  EXPECT_EQ(screen.cell(25, 40), (Cell{' ', color::lightGrey + 16 * color::magenta}));
  EXPECT_EQ(screen.cell(24, 40), (Cell{' ', color::yellow + 16 * color::blue}));
}

TEST(ScreenNewLine, MovesToColumnOneOfTheNextRow) {
  Screen screen = screenAt(7, 33);
  screen.newLine();
  EXPECT_EQ(screen.cursorRow(), 8);
  EXPECT_EQ(screen.cursorColumn(), 1);
}

struct TabCase {
  int fromColumn;
  int target;
  int expectedRow;
  int expectedColumn;
  int spacesWritten;
};

class ScreenTabTo : public testing::TestWithParam<TabCase> {};

TEST_P(ScreenTabTo, WritesBlanksUpToTheColumn) {
  const TabCase& c = GetParam();
  Screen screen = screenAt(5, 1);
  screen.printText(std::string(79, '.'));  // row 5 full of dots but the last cell
  screen.moveCursor(5, c.fromColumn);
  screen.setColor(color::brightWhite, color::red);
  screen.tabTo(c.target);
  EXPECT_EQ(screen.cursorRow(), c.expectedRow);
  EXPECT_EQ(screen.cursorColumn(), c.expectedColumn);
  int blanks = 0;
  for (int row = 5; row <= 6; ++row) {
    for (int column = 1; column <= 80; ++column) {
      if (screen.cell(row, column) == Cell{' ', color::brightWhite + 16 * color::red}) ++blanks;
    }
  }
  EXPECT_EQ(blanks, c.spacesWritten);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScreenTabTo,
                         testing::Values(TabCase{3, 79, 5, 79, 76},  // forward on the row
                                         TabCase{10, 6, 6, 6, 5},    // behind: next row
                                         TabCase{10, 10, 5, 10, 0},  // already there
                                         TabCase{10, 0, 5, 10, 0},   // below 1: nothing
                                         TabCase{10, -1, 5, 10, 0}),
                         [](const testing::TestParamInfo<TabCase>& param) {
                           const int target = param.param.target;
                           return "From" + std::to_string(param.param.fromColumn) + "To" +
                                  (target < 0 ? "Minus" : "") + std::to_string(std::abs(target));
                         });

TEST(ScreenCursor, OutOfRangeCoordinatesKeepTheirValue) {
  Screen screen = screenAt(9, 9);
  screen.moveCursor(0, 47);
  EXPECT_EQ(screen.cursorRow(), 9);
  EXPECT_EQ(screen.cursorColumn(), 47);
  screen.moveCursor(26, 1);
  EXPECT_EQ(screen.cursorRow(), 9);
  EXPECT_EQ(screen.cursorColumn(), 1);
  screen.moveCursor(3, 81);
  EXPECT_EQ(screen.cursorRow(), 3);
  EXPECT_EQ(screen.cursorColumn(), 1);
}

TEST(ScreenCursor, MoveToColumnKeepsTheRow) {
  Screen screen = screenAt(9, 9);
  screen.moveToColumn(47);
  EXPECT_EQ(screen.cursorRow(), 9);
  EXPECT_EQ(screen.cursorColumn(), 47);
  for (const int outside : {0, -3, 81}) {
    screen.moveToColumn(outside);
    EXPECT_EQ(screen.cursorRow(), 9);
    EXPECT_EQ(screen.cursorColumn(), 47);
  }
}

TEST(ScreenColours, OutOfRangeValuesKeepTheCurrentColour) {
  Screen screen;
  screen.setColor(color::brightWhite, color::magenta);
  screen.setColor(color::yellow, color::keep);
  EXPECT_EQ(screen.foreground(), color::yellow);
  EXPECT_EQ(screen.background(), color::magenta);
  screen.setColor(16, 1);
  EXPECT_EQ(screen.foreground(), color::yellow);
  EXPECT_EQ(screen.background(), color::blue);
}

TEST(ScreenColours, ClearScreenBlanksEveryCellInTheCurrentColours) {
  Screen screen;
  screen.printText("junk");
  screen.setColor(color::yellow, color::blue);
  screen.clearScreen();
  for (int row = 1; row <= Screen::kRows; ++row) {
    for (int column = 1; column <= Screen::kColumns; ++column) {
      ASSERT_EQ(screen.cell(row, column), (Cell{' ', 0x1E})) << row << "," << column;
    }
  }
  EXPECT_EQ(screen.cursorRow(), 1);
  EXPECT_EQ(screen.cursorColumn(), 1);
}

TEST(ScreenText, ShowsCodePage437GlyphsAsUtf8) {
  Screen screen;
  screen.printText("\x06\x03\x04\x05 \xAB\xF6\xC4");
  EXPECT_EQ(screen.toUtf8().substr(0, screen.toUtf8().find('\n')), "♠♥♦♣ ½÷─");
}

TEST(ScreenText, RowTextIsEightyBytesWithBlanksKept) {
  Screen screen = screenAt(2, 3);
  screen.printText("\x06 x");
  EXPECT_EQ(screen.rowText(2), "  \x06 x" + std::string(75, ' '));
  EXPECT_EQ(screen.rowText(1), std::string(80, ' '));
  EXPECT_EQ(screen.rowText(25), std::string(80, ' '));
}

TEST(ScreenText, Utf8DumpHasEveryRowWithTrailingBlanksRemoved) {
  Screen screen = screenAt(1, 2);
  screen.printText("top ");
  screen.moveCursor(3, 80);
  screen.printText("\xAB\x03");  // wraps onto row 4
  screen.moveCursor(25, 1);
  screen.printText("  end");
  std::string expected = " top\n\n" + std::string(79, ' ') + "½\n♥\n";
  for (int row = 5; row <= 24; ++row) expected += "\n";
  expected += "  end\n";
  EXPECT_EQ(screen.toUtf8(), expected);
}

// Other tests compare whole screens, so equality must see every difference.
TEST(ScreenEquality, SameDrawingCompareEqual) {
  EXPECT_EQ(screenAt(4, 5), screenAt(4, 5));
  EXPECT_EQ(Screen{}, Screen{});
}

TEST(ScreenEquality, SeesEachDifferenceAlone) {
  const Screen base = screenAt(4, 5);
  const auto changed = [&base](const std::function<void(Screen&)>& change) {
    Screen screen = base;
    change(screen);
    return screen;
  };
  struct Difference {
    const char* what;
    std::function<void(Screen&)> change;
  };
  const std::vector<Difference> differences = {
      {"cell character",
       [](Screen& s) {
         s.printText("x");
         s.moveCursor(4, 5);
       }},
      {"last cell character",
       [](Screen& s) {
         s.moveCursor(25, 80);
         s.printText("x");
         s.moveCursor(4, 5);
       }},
      {"cell colour",
       [](Screen& s) {
         s.setColor(color::lightRed, color::keep);
         s.printText(" ");
         s.moveCursor(4, 5);
         s.setColor(color::yellow, color::keep);
       }},
      {"cursor row", [](Screen& s) { s.moveCursor(5, 5); }},
      {"cursor column", [](Screen& s) { s.moveCursor(4, 6); }},
      {"foreground", [](Screen& s) { s.setColor(color::lightRed, color::keep); }},
      {"background", [](Screen& s) { s.setColor(color::keep, color::red); }},
      {"cursor visibility", [](Screen& s) { s.hideCursor(); }},
  };
  for (const Difference& difference : differences) {
    SCOPED_TRACE(difference.what);
    const Screen other = changed(difference.change);
    EXPECT_FALSE(other == base);
    EXPECT_FALSE(base == other);
    EXPECT_TRUE(other != base);
  }
}

TEST(ScreenEquality, SeesAPendingScroll) {
  // The same cells and cursor, one with the scroll still to come.
  Screen pending = screenAt(25, 1);
  pending.printText(std::string(80, '='));
  Screen settled = screenAt(25, 1);
  settled.printText(std::string(80, '='));
  settled.moveCursor(25, 1);
  ASSERT_TRUE(pending.scrollPending());
  ASSERT_EQ(pending.toUtf8(), settled.toUtf8());
  EXPECT_FALSE(pending == settled);
}

TEST(ScreenEquality, IgnoresHowManyChangesItTook) {
  Screen once = screenAt(4, 5);
  once.printText("ab");
  Screen twice = screenAt(4, 5);
  twice.printText("a");
  twice.printText("b");
  EXPECT_NE(once.version(), twice.version());
  EXPECT_EQ(once, twice);
}

}  // namespace
}  // namespace bidgauge
