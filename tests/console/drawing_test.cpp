#include "console/drawing.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/colors.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

using namespace drawing;

// A cleared yellow-on-blue screen with the cursor at (row, column).
Screen screenAt(int row, int column) {
  Screen screen;
  screen.setColor(color::yellow, color::blue);
  screen.clearScreen();
  screen.moveCursor(row, column);
  return screen;
}

std::string textAt(const Screen& screen, int row, int column, int count) {
  return screen.rowText(row).substr(static_cast<std::size_t>(column - 1),
                                    static_cast<std::size_t>(count));
}

TEST(Draw, EachStepMovesAndPrintsAsTheScreenDoes) {
  constexpr DrawStep steps[] = {at(3, 10), say("ab"), column(20), say("c"),  tab(25),
                                say("d"),  lineEnd(), say("e"),   at(7, 78), say("wrap")};
  Screen screen = screenAt(1, 1);
  draw(screen, steps);
  EXPECT_EQ(textAt(screen, 3, 10, 16), "ab        c    d");
  EXPECT_EQ(textAt(screen, 4, 1, 2), "e ");
  EXPECT_EQ(textAt(screen, 7, 78, 3), "wra");
  EXPECT_EQ(textAt(screen, 8, 1, 2), "p ");
  EXPECT_EQ(screen.cursorRow(), 8);
  EXPECT_EQ(screen.cursorColumn(), 2);
}

TEST(Draw, ColumnKeepsTheRowAndTabBehindTheCursorWraps) {
  constexpr DrawStep steps[] = {at(5, 30), column(12), say("x"), tab(4), say("y")};
  Screen screen = screenAt(1, 1);
  draw(screen, steps);
  EXPECT_EQ(screen.cell(5, 12).ch, 'x');
  EXPECT_EQ(screen.cell(6, 4).ch, 'y');
}

TEST(Draw, RepeatsTextAndGlyphs) {
  constexpr DrawStep steps[] = {say("ab", color::keep, 3), sym(glyph::horizontal, color::keep, 4)};
  Screen screen = screenAt(2, 1);
  draw(screen, steps);
  EXPECT_EQ(textAt(screen, 2, 1, 11), "ababab\xC4\xC4\xC4\xC4 ");
  EXPECT_EQ(screen.cursorColumn(), 11);
}

TEST(Draw, SetsColoursBeforeTheStepAndKeepsWhatIsNotNamed) {
  constexpr DrawStep steps[] = {say("a", color::lightRed), say("b"),
                                paint(color::green, color::red), tab(5, color::brightWhite),
                                say("c")};
  Screen screen = screenAt(1, 1);
  draw(screen, steps);
  EXPECT_EQ(screen.cell(1, 1), (Cell{'a', color::lightRed + 16 * color::blue}));
  EXPECT_EQ(screen.cell(1, 2), (Cell{'b', color::lightRed + 16 * color::blue}));
  EXPECT_EQ(screen.cell(1, 3), (Cell{' ', color::brightWhite + 16 * color::red}));
  EXPECT_EQ(screen.cell(1, 5), (Cell{'c', color::brightWhite + 16 * color::red}));
  EXPECT_EQ(screen.foreground(), color::brightWhite);
  EXPECT_EQ(screen.background(), color::red);
}

TEST(Draw, NewLineOnTheLastRowScrolls) {
  constexpr DrawStep steps[] = {at(25, 1), say("last"), lineEnd(), say("new")};
  Screen screen = screenAt(1, 1);
  draw(screen, steps);
  EXPECT_EQ(textAt(screen, 24, 1, 4), "last");
  EXPECT_EQ(textAt(screen, 25, 1, 4), "new ");
}

TEST(Drawing, KeepsTheTextsItWasGiven) {
  Drawing drawing;
  for (int i = 0; i < 50; ++i) drawing.say(std::string(20, static_cast<char>('A' + i % 26)));
  drawing.add(lineEnd()).say("end", color::lightGreen);
  const Drawing moved = std::move(drawing);
  Screen screen = screenAt(1, 1);
  draw(screen, moved);
  EXPECT_EQ(textAt(screen, 1, 1, 20), std::string(20, 'A'));
  EXPECT_EQ(textAt(screen, 13, 21, 20), std::string(20, 'X'));  // the 50th text
  EXPECT_EQ(screen.cell(14, 1), (Cell{'e', color::lightGreen + 16 * color::blue}));
  EXPECT_EQ(moved.steps().size(), 52u);
}

}  // namespace
}  // namespace bidgauge
