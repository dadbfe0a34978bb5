// Invariants of the help pages, beside the whole-page fixtures: the frames and
// the navigation bar of every page, and that no row runs past column 79.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "console/drawing.hpp"
#include "hand/cp437.hpp"
#include "help/help_page.hpp"
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
    Screen screen;
    for (const DrawStep& piece : helpPage(number).body) {
      const int row = screen.cursorRow();
      draw(screen, {&piece, 1});
      if (piece.op != DrawStep::Op::text) continue;
      SCOPED_TRACE("page " + std::to_string(number) + " row " + std::to_string(row));
      EXPECT_EQ(screen.cursorRow(), row);
      EXPECT_GE(row, 4);
      EXPECT_LE(row, 23);
    }
  }
}

// Pages are drawn on whatever background the main screen has, and a text that
// named no colour would take the colour of whatever came before it.
TEST(HelpPageTables, NameTheColourOfEveryTextAndNeverSetTheBackground) {
  for (int number = 1; number <= kHelpPageCount; ++number) {
    const HelpPage& page = helpPage(number);
    for (const std::span<const DrawStep> pieces : {page.titleRemark, page.body}) {
      for (const DrawStep& piece : pieces) {
        SCOPED_TRACE("page " + std::to_string(number) + " text \"" + std::string(piece.text) +
                     "\"");
        EXPECT_EQ(piece.background, color::keep);
        if (piece.op == DrawStep::Op::text) {
          EXPECT_NE(piece.foreground, color::keep);
        }
      }
    }
  }
}

}  // namespace
}  // namespace bidgauge
