#include "cli/panel_output.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>

#include "batch/hand_entry.hpp"
#include "console/colors.hpp"
#include "results/explanation.hpp"

namespace bidgauge {
namespace {

std::string panelFor(const std::string& typed, TextStyle style, GlyphSet glyphs = GlyphSet::full) {
  const HandEntry entry = enterHandText(typed);
  EXPECT_TRUE(entry.complete) << entry.error;
  return handPanelText(entry.state, computeResults(entry.state.hand, glyphs), style, glyphs);
}

TEST(PanelOutput, PlainTextHasTheEntryRowAndThePanel) {
  EXPECT_EQ(panelFor("kqtxxxx axx tx x", TextStyle::plain),
            "  Enter a hand:   KQTxxxx Axx Tx x\n"
            "\n"
            "        ┌──────────────────┐             ┌─────────────────────────┬───┐\n"
            "        │ ♠ K Q 10 x x x x │             │ KnR Points:       14.10 │ * │\n"
            "        │ ♥ A x x          │             │ Zar Points:       28    │ * │\n"
            "        │ ♦ 10 x           │             │ Kleinman Points:  10-   │   │\n"
            "        │ ♣ x              │             │ Honor Tricks:     2     │   │\n"
            "        └──────────────────┘             └─────────────────────────┴───┘\n"
            "                                                 * opening count\n");
}

TEST(PanelOutput, PlainTextShowsTheHalfSignAndVoids) {
  const std::string text = panelFor("akt9xx --  qjxxx  t2", TextStyle::plain);
  EXPECT_NE(text.find("  Enter a hand:   AKT9xx - QJxxx T2\n"), std::string::npos) << text;
  EXPECT_NE(text.find("│ ♥ ───          │"), std::string::npos) << text;
  EXPECT_NE(text.find("│ Honor Tricks:     2½    │ * │"), std::string::npos) << text;
}

TEST(PanelOutput, AsciiTextSpellsTheHalfOutInTheSameColumns) {
  EXPECT_EQ(panelFor("akt9xx --  qjxxx  t2", TextStyle::plain, GlyphSet::ascii),
            "  Enter a hand:   AKT9xx - QJxxx T2\n"
            "\n"
            "        +----------------+               +-------------------------+---+\n"
            "        | S A K 10 9 x x |               | KnR Points:       15.95 | * |\n"
            "        | H ---          |               | Zar Points:       29    | * |\n"
            "        | D Q J x x x    |               | Kleinman Points:  10+   |   |\n"
            "        | C 10 2         |               | Honor Tricks:     2.5   | * |\n"
            "        +----------------+               +-------------------------+---+\n"
            "                                                 * opening count\n");
}

std::string withoutEscapes(const std::string& text) {
  return std::regex_replace(text, std::regex("\x1B\\[[0-9;]*m"), "");
}

TEST(PanelOutput, ColourTextIsThePlainTextInColour) {
  const std::string plain = panelFor("kqtxxxx axx tx x", TextStyle::plain);
  const std::string colour = panelFor("kqtxxxx axx tx x", TextStyle::colour);
  // The same rows, but each 80 cells wide on the blue background.
  std::string padded;
  std::size_t start = 0;
  while (start < plain.size()) {
    const std::size_t end = plain.find('\n', start);
    std::string row = plain.substr(start, end - start);
    std::size_t cells = 0;
    for (const char ch : row) cells += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    padded += row + std::string(80 - cells, ' ') + "\n";
    start = end + 1;
  }
  EXPECT_EQ(withoutEscapes(colour), padded);
  // Yellow on blue, then the typed hand in bright white; every row ends in a reset.
  EXPECT_EQ(colour.rfind("\x1B[93;44m  Enter a hand:   \x1B[97;44mKQTxxxx Axx Tx x", 0), 0u);
  EXPECT_NE(colour.find("\x1B[96;44m│\x1B[91;44m ♠\x1B[93;44m K Q 10"), std::string::npos);
  EXPECT_NE(colour.find("\x1B[97;44m14.10"), std::string::npos);
  EXPECT_NE(colour.find("\x1B[37;44m" + std::string(49, ' ') + "* opening count"),
            std::string::npos);
  EXPECT_EQ(std::count(colour.begin(), colour.end(), '\n'), 9);
  EXPECT_EQ(std::regex_replace(colour, std::regex("\x1B\\[0m\n"), "").find('\n'),
            std::string::npos);
}

TEST(ScreenText, MapsEveryDosColourToItsAnsiColour) {
  // DOS colour d in ANSI order: red and blue swap places, bright colours add 60.
  constexpr int kAnsi[16] = {30, 34, 32, 36, 31, 35, 33, 37, 90, 94, 92, 96, 91, 95, 93, 97};
  for (int dos = 0; dos < 16; ++dos) {
    Screen screen;
    screen.setColor(dos, 15 - dos);
    screen.clearScreen();
    const std::string expected = "\x1B[" + std::to_string(kAnsi[dos]) + ";" +
                                 std::to_string(kAnsi[15 - dos] + 10) + "m" + std::string(80, ' ') +
                                 "\x1B[0m\n";
    EXPECT_EQ(screenText(screen, 1, TextStyle::colour), expected) << dos;
  }
}

TEST(HandOutput, AsciiExplanationHasNoOtherBytes) {
  const HandEntry entry = enterHandText("akt9xx --  qjxxx  t2");
  const ResultRows rows = computeResults(entry.state.hand, GlyphSet::ascii);
  const std::string text = explanationText(entry.state.hand, rows, GlyphSet::ascii);
  EXPECT_NE(text.find("\nHonor Tricks: 2.5 *\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  H ---"), std::string::npos) << text;
  EXPECT_NE(text.find(" total 2.5\n"), std::string::npos) << text;
  EXPECT_EQ(std::count_if(text.begin(), text.end(),
                          [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; }),
            0)
      << text;
}

}  // namespace
}  // namespace bidgauge
