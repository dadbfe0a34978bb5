#include "web/screen_html.hpp"

#include <gtest/gtest.h>

#include <string>

#include "app/headless.hpp"
#include "hand/cp437.hpp"
#include "support/page_text.hpp"

namespace bidgauge {
namespace {

using testing_support::textContent;

std::string blanks(int count) {
  return std::string(static_cast<std::size_t>(count), ' ');
}

TEST(RowHtml, ABlankRowIsOneRunOfEightySpaces) {
  const Screen screen;
  EXPECT_EQ(rowHtml(screen, 1),
            "<span class=\"f7 b0\" style=\"width:80ch\">" + blanks(80) + "</span>");
}

TEST(RowHtml, EachChangeOfColoursStartsANewRun) {
  Screen screen;
  screen.setColor(14, 1);
  screen.clearScreen();
  screen.printText("AB");
  screen.setColor(12, -1);
  screen.printText("C");
  screen.setColor(14, -1);
  screen.printText("D");
  EXPECT_EQ(rowHtml(screen, 1),
            "<span class=\"f14 b1\" style=\"width:2ch\">AB</span>"
            "<span class=\"f12 b1\" style=\"width:1ch\">C</span>"
            "<span class=\"f14 b1\" style=\"width:77ch\">D" +
                blanks(76) + "</span>");
}

TEST(RowHtml, HtmlCharactersAreEscapedGlyphsBeyondAsciiMakeRunsAndSuitsSayTheirNames) {
  Screen screen;
  screen.moveCursor(3, 1);
  screen.printText("<&>\x06\x03\xAB\xC4\xF6\xFF");
  EXPECT_EQ(rowHtml(screen, 3),
            "<span class=\"f7 b0\" style=\"width:3ch\">&lt;&amp;&gt;</span>"
            "<span class=\"f7 b0\" style=\"width:1ch\" role=\"img\" aria-label=\"Spades\">"
            "\xE2\x99\xA0</span>"
            "<span class=\"f7 b0\" style=\"width:1ch\" role=\"img\" aria-label=\"Hearts\">"
            "\xE2\x99\xA5</span>"
            "<span class=\"f7 b0\" style=\"width:4ch\">\xC2\xBD\xE2\x94\x80\xC3\xB7\xC2\xA0</span>"
            "<span class=\"f7 b0\" style=\"width:71ch\">" +
                blanks(71) + "</span>");
}

TEST(RowHtml, TheTextOfEveryRowIsExactlyTheScreenRow) {
  ScriptedConsole console;
  console.type("KQ7543 QT2 A J98\r<&>");
  InteractiveApp app(console);
  runScript(app, console);
  for (int row = 1; row <= Screen::kRows; ++row) {
    EXPECT_EQ(textContent(rowHtml(console.screen(), row)),
              cp437ToUtf8(console.screen().rowText(row)))
        << "row " << row;
  }
}

int codePoints(std::string_view utf8) {
  int count = 0;
  for (const char byte : utf8) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

// The page sizes each run's span by its cells: they must be its glyphs, and
// add up to the row, on a help page and on a results panel alike.
TEST(RowRuns, EachRunIsAsManyCellsAsGlyphsAndTheRunsMakeTheRow) {
  for (const char* typed : {"H", "KQ7543 QT2 A J98\r"}) {
    ScriptedConsole console;
    console.type(typed);
    InteractiveApp app(console);
    runScript(app, console);
    for (int row = 1; row <= Screen::kRows; ++row) {
      std::string text;
      int cells = 0;
      for (const CellRun& run : rowRuns(console.screen(), row)) {
        EXPECT_EQ(codePoints(run.text), run.cells) << typed << " row " << row << ": " << run.text;
        text += run.text;
        cells += run.cells;
      }
      EXPECT_EQ(cells, Screen::kColumns) << typed << " row " << row;
      EXPECT_EQ(text, cp437ToUtf8(console.screen().rowText(row))) << typed << " row " << row;
    }
  }
}

}  // namespace
}  // namespace bidgauge
