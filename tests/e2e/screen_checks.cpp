#include "e2e/screen_checks.hpp"

#include <sstream>

namespace bidgauge::e2e {
namespace {

std::size_t sequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

std::string describe(const Cell& cell) {
  std::ostringstream out;
  out << "\"" << cell.text << "\" fg " << dosForeground(cell) << " bg " << dosColor(cell.bg)
      << " (palette " << cell.fg << "/" << cell.bg << (cell.bold ? ", bold" : "")
      << (cell.reverse ? ", reverse" : "") << ")";
  return out.str();
}

// Checks the cells from `at` on against the expected glyphs. A blank's
// foreground does not show, so it is not checked.
::testing::AssertionResult matches(const PtyTerminal& terminal, Position at,
                                   const std::vector<std::string>& expected, int dosFg, int dosBg) {
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const int column = at.column + static_cast<int>(i);
    if (column > terminal.size().columns) {
      return ::testing::AssertionFailure() << "runs past the right edge at column " << column;
    }
    const Cell cell = terminal.cell(at.row, column);
    const bool blank = expected[i] == " ";
    const bool same = cell.text == expected[i] && !cell.reverse && dosColor(cell.bg) == dosBg &&
                      (blank || dosForeground(cell) == dosFg);
    if (!same) {
      return ::testing::AssertionFailure()
             << "row " << at.row << " column " << column << ": expected \"" << expected[i]
             << "\" fg " << (blank ? "any" : std::to_string(dosFg)) << " bg " << dosBg << ", found "
             << describe(cell) << "\nrow " << at.row << ": |" << terminal.rowText(at.row) << "|";
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace

std::vector<std::string> glyphs(std::string_view utf8) {
  std::vector<std::string> result;
  while (!utf8.empty()) {
    const std::size_t length =
        std::min(sequenceLength(static_cast<unsigned char>(utf8.front())), utf8.size());
    result.emplace_back(utf8.substr(0, length));
    utf8.remove_prefix(length);
  }
  return result;
}

::testing::AssertionResult hasText(const PtyTerminal& terminal, Position at, std::string_view utf8,
                                   int dosFg, int dosBg) {
  return matches(terminal, at, glyphs(utf8), dosFg, dosBg);
}

::testing::AssertionResult hasBlanks(const PtyTerminal& terminal, Position at, int count,
                                     int dosBg) {
  return matches(terminal, at, std::vector<std::string>(static_cast<std::size_t>(count), " "), 0,
                 dosBg);
}

::testing::AssertionResult hasCells(const PtyTerminal& terminal, const std::vector<Cell>& cells) {
  const std::vector<Cell> now = terminal.cells();
  if (now.size() != cells.size()) {
    return ::testing::AssertionFailure()
           << "the screen has " << now.size() << " cells, not " << cells.size();
  }
  const int columns = terminal.size().columns;
  for (std::size_t i = 0; i < now.size(); ++i) {
    if (now[i] != cells[i]) {
      const int index = static_cast<int>(i);
      return ::testing::AssertionFailure()
             << "row " << index / columns + 1 << " column " << index % columns + 1 << ": expected "
             << describe(cells[i]) << ", found " << describe(now[i]);
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult eventually(PtyTerminal& terminal,
                                      const std::function<::testing::AssertionResult()>& check,
                                      std::chrono::milliseconds timeout) {
  terminal.waitFor([&] { return static_cast<bool>(check()); }, timeout);
  ::testing::AssertionResult result = check();
  if (!result) result << "\n" << terminal.dump();
  return result;
}

}  // namespace bidgauge::e2e
