#include "results/results_panel.hpp"

#include <gtest/gtest.h>

#include <string>

#include "console/colors.hpp"
#include "console/scripted_console.hpp"
#include "hand/parser.hpp"
#include "support/screen_text.hpp"

namespace bidgauge {
namespace {

using testing_support::coloured;
using testing_support::rowText;
using testing_support::textAt;

Hand handOf(const std::string& text) {
  EntryState state;
  for (const char ch : text) state = parseKey(state, upperCased(std::string(1, ch))).state;
  return state.hand;
}

// Draws the panel as the entry line does: from the end of an entry on row 5.
Screen panelFor(const std::string& hand, const Evaluation& evaluation) {
  ScriptedConsole console;
  console.setColor(color::brightWhite, color::blue);
  console.clearScreen();
  console.moveCursor(5, 19 + static_cast<int>(hand.size()));
  showResults(console, handOf(hand), resultRows(evaluation));
  return console.screen();
}

const Evaluation kOpening{{1410, true}, {26, true}, {11, 1, true}, {5, true}};
const Evaluation kWeak{{-50, false}, {8, false}, {0, 0, false}, {0, false}};

TEST(ResultsPanel, HandBoxFitsTheLongestSuit) {
  const Screen screen = panelFor("KQTxxxx Axx Tx x", kOpening);
  EXPECT_EQ(rowText(screen, 6), "");
  EXPECT_EQ(textAt(screen, 7, 9, 20), "┌──────────────────┐");
  EXPECT_EQ(textAt(screen, 8, 9, 20), "│ ♠ K Q 10 x x x x │");
  EXPECT_EQ(textAt(screen, 9, 9, 20), "│ ♥ A x x          │");
  EXPECT_EQ(textAt(screen, 10, 9, 20), "│ ♦ 10 x           │");
  EXPECT_EQ(textAt(screen, 11, 9, 20), "│ ♣ x              │");
  EXPECT_EQ(textAt(screen, 12, 9, 20), "└──────────────────┘");
}

TEST(ResultsPanel, ResultsBoxAlignsTheValues) {
  const Screen screen = panelFor("KQTxxxx Axx Tx x", kOpening);
  EXPECT_EQ(textAt(screen, 7, 42, 31), "┌─────────────────────────┬───┐");
  EXPECT_EQ(textAt(screen, 8, 42, 31), "│ KnR Points:       14.10 │ * │");
  EXPECT_EQ(textAt(screen, 9, 42, 31), "│ Zar Points:       26    │ * │");
  EXPECT_EQ(textAt(screen, 10, 42, 31), "│ Kleinman Points:  11+   │ * │");
  EXPECT_EQ(textAt(screen, 11, 42, 31), "│ Honor Tricks:     2½    │ * │");
  EXPECT_EQ(textAt(screen, 12, 42, 31), "└─────────────────────────┴───┘");
  EXPECT_EQ(rowText(screen, 13), std::string(49, ' ') + "* opening count");
  EXPECT_EQ(screen.cursorRow(), 14);
  EXPECT_EQ(screen.cursorColumn(), 1);
}

TEST(ResultsPanel, MarksAreBlankBelowTheRequirement) {
  const Screen screen = panelFor("xxxx xxx xxx xxx", kWeak);
  EXPECT_EQ(textAt(screen, 8, 42, 31), "│ KnR Points:       -0.50 │   │");
  EXPECT_EQ(textAt(screen, 11, 42, 31), "│ Honor Tricks:     0     │   │");
  EXPECT_EQ(textAt(screen, 8, 9, 13), "│ ♠ x x x x │");
  EXPECT_EQ(textAt(screen, 9, 9, 13), "│ ♥ x x x   │");
}

TEST(ResultsPanel, VoidShowsThreeLines) {
  const Screen screen = panelFor("AKQJT98765432 - - -", kWeak);
  EXPECT_EQ(textAt(screen, 8, 9, 32), "│ ♠ A K Q J 10 9 8 7 6 5 4 3 2 │");
  EXPECT_EQ(textAt(screen, 9, 9, 8), "│ ♥ ─── ");
  EXPECT_EQ(textAt(screen, 9, 40, 1), "│");
}

TEST(ResultsPanel, ColoursOfEachPiece) {
  const Screen screen = panelFor("KQTxxxx Axx Tx x", kOpening);
  const int blue = color::blue;
  EXPECT_TRUE(coloured(screen, 7, 9, 20, color::lightCyan, blue));
  EXPECT_TRUE(coloured(screen, 8, 9, 1, color::lightCyan, blue));
  EXPECT_TRUE(coloured(screen, 8, 10, 2, color::lightRed, blue));
  EXPECT_TRUE(coloured(screen, 8, 12, 16, color::yellow, blue));
  EXPECT_TRUE(coloured(screen, 8, 28, 1, color::lightCyan, blue));
  EXPECT_TRUE(coloured(screen, 8, 42, 1, color::lightCyan, blue));
  EXPECT_TRUE(coloured(screen, 8, 43, 19, color::yellow, blue));
  EXPECT_TRUE(coloured(screen, 8, 62, 5, color::brightWhite, blue));
  EXPECT_TRUE(coloured(screen, 8, 68, 1, color::lightCyan, blue));
  EXPECT_TRUE(coloured(screen, 8, 69, 3, color::brightWhite, blue));
  EXPECT_TRUE(coloured(screen, 8, 72, 1, color::lightCyan, blue));
  EXPECT_TRUE(coloured(screen, 13, 50, 15, color::lightGrey, blue));
}

TEST(ResultsPanel, ScrollsWhenDrawnNearTheBottom) {
  ScriptedConsole console;
  console.setColor(color::brightWhite, color::blue);
  console.clearScreen();
  console.moveCursor(24, 35);
  showResults(console, handOf("KQTxxxx Axx Tx x"), resultRows(kOpening));
  const Screen& screen = console.screen();
  EXPECT_EQ(rowText(screen, 17), "");
  EXPECT_EQ(textAt(screen, 18, 9, 1), "┌");
  EXPECT_EQ(textAt(screen, 24, 50, 15), "* opening count");
  EXPECT_EQ(rowText(screen, 25), "");
  EXPECT_EQ(screen.cursorRow(), 25);
}

}  // namespace
}  // namespace bidgauge
