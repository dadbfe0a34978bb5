// Spot checks of the help pages, written from the page layouts independently
// of the fixtures: where the key texts stand, in which colour, and that no row
// runs past column 79.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "hand/cp437.hpp"
#include "console/scripted_console.hpp"
#include "help/help_page.hpp"
#include "help/help_render.hpp"
#include "help_test_support.hpp"

namespace bidgauge {
namespace {

// The screens of pages 1 to 10, as shown walking forward once.
const std::vector<Screen>& shownPages() {
  static const std::vector<Screen> screens = [] {
    std::vector<Screen> result;
    for (const HelpWait& wait : runHelp(repeated("M", 9, {"Q"})).waits) {
      result.push_back(wait.screen);
    }
    return result;
  }();
  return screens;
}

const Screen& page(int number) {
  return shownPages().at(static_cast<std::size_t>(number - 1));
}

// `count` cells of a page from (row, column), as UTF-8 text and as colour digits.
std::string textAt(const Screen& screen, int row, int column, int count) {
  return cp437ToUtf8(screen.rowText(row).substr(static_cast<std::size_t>(column - 1),
                                                static_cast<std::size_t>(count)));
}

std::string colorsAt(const Screen& screen, int row, int column, int count) {
  return pictureOf(screen).foreground[static_cast<std::size_t>(row - 1)].substr(
      static_cast<std::size_t>(column - 1), static_cast<std::size_t>(count));
}

std::size_t utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return count;
}

std::string repeat(std::string_view unit, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += unit;
  return text;
}

// Text in one colour at a place of a page; blanks in it must be blank cells.
struct Spot {
  int page;
  int row;
  int column;
  std::string text;  // UTF-8
  char color;        // hex digit of the foreground of its non-blank cells
};

void expectSpot(const Spot& spot) {
  const int count = static_cast<int>(utf8Length(spot.text));
  const Screen& screen = page(spot.page);
  SCOPED_TRACE("page " + std::to_string(spot.page) + " row " + std::to_string(spot.row) +
               " column " + std::to_string(spot.column));
  EXPECT_EQ(textAt(screen, spot.row, spot.column, count), spot.text);
  std::string colors;
  for (const char ch : spot.text) {
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) colors += ch == ' ' ? '.' : spot.color;
  }
  EXPECT_EQ(colorsAt(screen, spot.row, spot.column, count), colors);
}

// Colour digits: 6 brown, 7 light grey, a light green, b light cyan, c light red,
// d light magenta, e yellow, f bright white.
const std::vector<Spot> kSpots = {
    {1, 2, 6, "INSTRUCTIONS", 'c'},
    {1, 2, 24, "(Put your mouse aside. This program is rodent-free.)   ", '6'},
    {1, 4, 14, "Enter a hand, something like this:", 'e'},
    {1, 4, 48, "  KQ7543 QT2 A J98", 'f'},
    // Two blanks between the colon and the spade.
    {1, 6, 17, "Specify suits in ranking order:", 'e'},
    {1, 6, 48, "  ♠ ♥ ♦ ♣ ", 'b'},
    {1, 10, 17, "'X", 'f'},
    {1, 10, 19, "' may be used to indicate a spot-card.", 'e'},
    {1, 11, 17, "A Ten may be denoted by '", 'e'},
    {1, 11, 42, "T", 'f'},
    {1, 11, 43, "', '", 'e'},
    {1, 11, 47, "1", 'f'},
    {1, 11, 48, "', or '", 'e'},
    {1, 11, 55, "0", 'f'},
    {1, 11, 56, "'. ", 'e'},
    {1, 14, 14, "Example:  ", 'e'},
    {1, 14, 24, "♠", 'b'},
    {1, 14, 25, " A K 10 9 4 3  ", 'f'},
    {1, 14, 40, "♥", 'b'},
    {1, 14, 41, " (void)  ", 'f'},
    {1, 14, 50, "♦", 'b'},
    {1, 14, 51, " Q J 8 7 5  ", 'f'},
    {1, 14, 63, "♣", 'b'},
    {1, 14, 64, " 10 2 ", 'f'},
    {1, 16, 17, "    could be typed as:   ", 'e'},
    {1, 16, 42, "ka09xx - qxxxj 12", 'f'},
    {1, 21, 17, "Type:  ", 'e'},
    {1, 21, 24, "bidgauge akt9xx -- qjxxx  t2  <enter>", 'f'},
    {1, 23, 17, "HELP", 'a'},
    {1, 23, 21, " can be accessed by:  ", 'e'},
    {1, 23, 43, "bidgauge ?", 'f'},
    {1, 23, 53, "  or  ", 'e'},
    {1, 23, 59, "bidgauge h", 'f'},

    {2, 2, 18, "KAPLAN-RUBENS HAND-EVALUATION SUMMARY   (1/3)", 'c'},
    {2, 4, 31, " ─ SUIT QUALITY ─ ", 'f'},
    {2, 5, 7, " High-Card Points", 'b'},
    {2, 6, 10, " Ace = 4    King = 3    Queen = 2    Jack = 1    Ten = .5", 'e'},
    {2, 10, 62, "   * ", '6'},
    {2, 11, 63, "  * ", '6'},
    {2, 12, 11, "  * based upon discussion with the method's co-designer, Oct-06", '6'},
    {2, 14, 8, "Swallow Points (long-suit \"smother\" potential, 1-3 pts)", 'b'},
    {2, 20, 8, "  Example:  for AKT9xx,    A=4;  K=3;  Ten=.5+.5;  Nine=.5", 'a'},
    {2, 21, 8, "  Example:  for KQT9xxxx,  K=3;  Q=2;  Ten=.5;  missing J=1", 'a'},

    {3, 2, 18, "KAPLAN-RUBENS HAND-EVALUATION SUMMARY   (2/3)", 'c'},
    {3, 5, 31, "─ HONOR VALUES ─", 'f'},
    {3, 9, 11, "            guarded Queen = .75     doubleton Queen = .25", 'e'},
    {3, 15, 11, "Ten with two higher honors, or with the Nine and one higher = .25", 'e'},
    {3, 22, 16, " Example:  for KQJT,   K=2;    Q=1;    J=.5", 'a'},

    // The box spans columns 10 to 72 and its text fills it exactly.
    {4, 2, 18, "KAPLAN-RUBENS HAND-EVALUATION SUMMARY   (3/3)", 'c'},
    {4, 5, 30, "─ DISTRIBUTION ─", 'f'},
    {4, 11, 9, " ", '.'},
    {4, 11, 10, "┌" + repeat("─", 61) + "┐", 'a'},
    {4, 11, 73, " ", '.'},
    {4, 12, 10, "│", 'a'},
    {4, 12, 11, " TOTAL VALUATION = SUIT QUALITY + HONOR VALUE + DISTRIBUTION ", 'f'},
    {4, 12, 72, "│ ", 'a'},
    {4, 13, 10, "└" + repeat("─", 61) + "┘ ", 'a'},
    {4, 15, 24, "─ OPENING BID REQUIREMENTS ─", 'd'},
    {4, 18, 11, "                                             mandatory  @ 12.5", 'e'},
    {4, 22, 11, "Two Clubs with a minor                                  @ 24", 'e'},

    {5, 2, 36, "ABOUT KnR", 'c'},
    {5, 5, 6, "Conceived by ", 'e'},
    {5, 13, 6, "article's title was ", 'e'},
    {5, 13, 26, "\"FOUR C's\"", 'f'},
    {5, 13, 36, ", for ", 'e'},
    {5, 13, 42, "\"Caution! Complex Computer Count", 'f'},
    {5, 13, 74, ". ", 'e'},
    {5, 19, 6, "♠", 'a'},
    {5, 19, 7, " 764 ", 'f'},
    {5, 19, 12, "♥", 'a'},
    {5, 19, 13, " AQJ74 ", 'f'},
    {5, 19, 20, "♦", 'a'},
    {5, 19, 21, " 42 ", 'f'},
    {5, 19, 25, "♣", 'a'},
    {5, 19, 26, " A83", 'f'},
    {5, 19, 30, ", evaluates to", 'e'},
    {5, 19, 44, " 12.20", 'f'},
    {5, 23, 5, " So do I. ", 'e'},

    {6, 2, 36, "ZAR POINTS", 'c'},
    {6, 11, 30, "── THE CALCULATION ──", 'f'},
    {6, 13, 7, " HCP:", 'b'},
    {6, 13, 24, "Total the standard 4-3-2-1 point count.", 'e'},
    {6, 17, 8, "CONCENTRATION:", 'b'},
    {6, 18, 23, " With 15+ HCP, add 1 if all HCP are in three suits.", 'e'},
    {6, 20, 24, "With 25 Zar points and 5+ spades, upgrade and open!", 'e'},
    {6, 22, 6, "26 Zar Points = opening bid.", 'f'},

    {7, 2, 22, "KLEINMAN POINTS  :  for balanced hands", 'c'},
    {7, 4, 54, " \"Little Jack Points\",", 'e'},
    {7, 7, 25, "Ace = 6.5    King = 4.5    Queen = 2.5    Jack = 1", 'f'},
    {7, 11, 5, " HCP:", 'b'},
    {7, 11, 20, "Ace=13;  King=9;  Queen=5;  Jack=2   (= 2x ", 'e'},
    {7, 13, 19, " or add 2 for a Ten accompanied by 2 or more such cards.", 'e'},
    {7, 15, 6, "COMPRESSION:", 'b'},
    {7, 19, 6, "Total/3 = Kleinman Points.  ", 'f'},
    {7, 19, 34, "Remainder=0 suggests a \"bad\" hand for the", 'e'},
    {7, 21, 50, "\"+/-\"", 'f'},
    {7, 23, 6, "11 Kleinman Points = opening bid.", 'f'},

    // Labels from column 17, holdings from column 36.
    {8, 2, 28, "CULBERTSON HONOR TRICKS", 'c'},
    {8, 7, 35, "The Gold Book of Bidding and Play, 1937", 'f'},
    {8, 9, 16, " 2 honor tricks:", 'b'},
    {8, 9, 36, "AK", 'f'},
    {8, 10, 16, " 1½ honor tricks:", 'b'},
    {8, 10, 36, "AQ", 'f'},
    {8, 10, 38, ", ", 'e'},
    {8, 10, 40, "KQJ", 'f'},
    {8, 11, 16, " 1 honor trick:", 'b'},
    {8, 11, 36, "A", 'f'},
    {8, 12, 16, " ½ honor trick:", 'b'},
    {8, 12, 36, "Kx", 'f'},
    {8, 13, 16, " Plus-values:", 'b'},
    {8, 13, 35, " short honors: ", 'e'},
    {8, 13, 50, "K", 'f'},
    {8, 14, 35, " Queen in:     ", 'e'},
    {8, 14, 50, "AKQ", 'f'},
    {8, 15, 35, " Jack in:      ", 'e'},
    {8, 15, 50, "AKJ", 'f'},
    {8, 22, 4, " 2½ honor tricks = opening bid.", 'f'},

    {9, 2, 33, "KNR DISCLAIMER", 'c'},
    {9, 8, 49, "(1 x spade-length ÷ 10)", 'f'},
    {9, 8, 72, ". ", 'e'},
    {9, 15, 4, "two or more higher honors", 'b'},
    {9, 21, 26, "five", 'b'},

    // The closing frame: rows 9 to 16, columns 18 to 62.
    {10, 9, 17, " ╔" + repeat("═", 43) + "╗ ", 'b'},
    {10, 11, 19, "  Thanks for your interest in my program.", 'e'},
    {10, 12, 19, "  Please address any correspondence to:", 'e'},
    {10, 16, 17, " ╚" + repeat("═", 43) + "╝ ", 'b'},
};

TEST(HelpPages, ShowTheirTextsWhereAndInTheColourTheLayoutSays) {
  for (const Spot& spot : kSpots) expectSpot(spot);
}

TEST(HelpPages, HaveTheTitleBoxOnPagesOneToNine) {
  for (int number = 1; number <= 9; ++number) {
    expectSpot({number, 1, 1, " ┌" + repeat("─", 76) + "┐ ", '7'});
    expectSpot({number, 2, 1, " │", '7'});
    expectSpot({number, 2, 79, "│ ", '7'});
    expectSpot({number, 3, 1, " └" + repeat("─", 76) + "┘ ", '7'});
  }
  for (int row = 1; row <= 8; ++row) expectSpot({10, row, 1, std::string(80, ' '), '.'});
}

TEST(HelpPages, HaveTheNavigationBarOfTheirPlace) {
  for (int number = 1; number <= 10; ++number) {
    SCOPED_TRACE("page " + std::to_string(number));
    const bool middle = number > 1 && number < 10;
    const int from = middle ? 31 : 33;
    expectSpot({number, 24, 1, std::string(static_cast<std::size_t>(from - 1), ' '), '.'});
    expectSpot({number, 24, from, "┌" + repeat("─", middle ? 18 : 12) + "┐", '7'});
    expectSpot({number, 25, from, "│", '7'});
    // Each key letter stands out in yellow after its blanks; the rest of its word is grey.
    using Part = std::pair<std::string, std::string>;
    const std::vector<Part> parts =
        number == 1 ? std::vector<Part>{{" M", "ore"}, {"  Q", "uit "}}
        : middle    ? std::vector<Part>{{" M", "ore"}, {"  B", "ack"}, {"  Q", "uit "}}
                    : std::vector<Part>{{" B", "ack"}, {"  Q", "uit "}};
    int column = from + 1;
    for (const auto& [lit, rest] : parts) {
      expectSpot({number, 25, column, lit, 'e'});
      column += static_cast<int>(lit.size());
      expectSpot({number, 25, column, rest, '7'});
      column += static_cast<int>(rest.size());
    }
    expectSpot({number, 25, column, "│", '7'});
    EXPECT_EQ(column, middle ? 50 : 46);
    EXPECT_EQ(page(number).cursorRow(), 25);
    EXPECT_EQ(page(number).cursorColumn(), middle ? 33 : 35);
  }
}

TEST(HelpPages, StartEveryRowOfTheDisclaimerInColumnFour) {
  for (const int row : {4, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 20, 21, 22}) {
    SCOPED_TRACE("row " + std::to_string(row));
    EXPECT_EQ(page(9).rowText(row).find_first_not_of(' '), 3u);
  }
}

TEST(HelpPages, FrameTheClosingPageWithTheContactInside) {
  for (int row = 10; row <= 15; ++row) {
    expectSpot({10, row, 17, " ║", 'b'});
    expectSpot({10, row, 62, "║ ", 'b'});
  }
  // Thirteen blanks, then the contact; the frame check above keeps it before column 62.
  const std::string contact = page(10).rowText(14);
  EXPECT_EQ(contact.find_first_not_of(' ', 18), 31u);
  for (int column = 32; column <= 61; ++column) {
    if (page(10).cell(14, column).ch != ' ') {
      EXPECT_EQ(page(10).cell(14, column).foreground(), color::brightWhite);
    }
  }
}

TEST(HelpPages, LeaveTheLastColumnBlank) {
  for (int number = 1; number <= 10; ++number) {
    for (int row = 1; row <= Screen::kRows; ++row) {
      EXPECT_EQ(page(number).cell(row, 80).ch, ' ') << "page " << number << " row " << row;
    }
  }
}

// Drawn piece by piece, no text of a page body leaves its row or touches the
// rows of the title box and the navigation bar.
TEST(HelpPageTables, KeepEveryBodyRowWithinColumnsOneTo79) {
  for (int number = 1; number <= kHelpPageCount; ++number) {
    ScriptedConsole console;
    for (const HelpPiece& piece : helpPage(number).body) {
      const int row = console.cursorRow();
      drawPieces(console, {&piece, 1});
      if (piece.kind != HelpPiece::Kind::text) continue;
      SCOPED_TRACE("page " + std::to_string(number) + " row " + std::to_string(row));
      EXPECT_EQ(console.cursorRow(), row);
      EXPECT_GE(row, 4);
      EXPECT_LE(row, 23);
    }
  }
}

}  // namespace
}  // namespace bidgauge
