#include "web/screen_runs.hpp"

#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

bool beyondAscii(const Cell& cell) {
  return cp437ToUnicode(static_cast<unsigned char>(cell.ch)) >= 0x80;
}

// Screen readers say nothing or "black spade suit" for a suit's glyph.
std::string_view suitName(const Cell& cell) {
  switch (cell.ch) {
    case glyph::spade:
      return "Spades";
    case glyph::heart:
      return "Hearts";
    case glyph::diamond:
      return "Diamonds";
    case glyph::club:
      return "Clubs";
    default:
      return {};
  }
}

// Whether `next` goes on the run `first` starts.
bool sameRun(const Cell& first, const Cell& next) {
  return next.attr == first.attr && beyondAscii(next) == beyondAscii(first) &&
         suitName(first).empty() && suitName(next).empty();
}

}  // namespace

std::vector<CellRun> rowRuns(const Screen& screen, int row) {
  std::vector<CellRun> runs;
  int column = 1;
  while (column <= Screen::kColumns) {
    const Cell& first = screen.cell(row, column);
    int end = column + 1;
    while (end <= Screen::kColumns && sameRun(first, screen.cell(row, end))) {
      ++end;
    }
    CellRun run{first.foreground(), first.background(), end - column, {}, suitName(first)};
    for (; column < end; ++column) {
      appendUtf8(run.text, cp437ToUnicode(static_cast<unsigned char>(screen.cell(row, column).ch)));
    }
    runs.push_back(std::move(run));
  }
  return runs;
}

}  // namespace bidgauge
