#include "console/screen.hpp"

#include <algorithm>

namespace bidgauge {
namespace {

bool isColor(int value) {
  return value >= 0 && value < 16;
}

}  // namespace

void Screen::clearScreen() {
  cells_.fill(Cell{' ', currentAttr()});
  row_ = 1;
  column_ = 1;
  scrollPending_ = false;
  ++version_;
}

void Screen::setColor(int foreground, int background) {
  if (isColor(foreground)) foreground_ = foreground;
  if (isColor(background)) background_ = background;
}

void Screen::moveCursor(int row, int column) {
  if (row >= 1 && row <= kRows) row_ = row;
  moveToColumn(column);
}

void Screen::moveToColumn(int column) {
  if (column >= 1 && column <= kColumns) column_ = column;
  scrollPending_ = false;
  ++version_;
}

void Screen::printText(std::string_view text) {
  if (scrollPending_) {
    scrollPending_ = false;
    scrollUp();
  }
  // A row at a time: as much of the text as fits before the right edge.
  while (!text.empty()) {
    if (scrollPending_) {
      scrollPending_ = false;
      scrollUp();
    }
    const auto count = std::min<std::size_t>(text.size(), kColumns - column_ + 1);
    const auto first = cells_.begin() + index(row_, column_);
    std::transform(text.begin(), text.begin() + count, first, [attr = currentAttr()](char ch) {
      return Cell{ch, attr};
    });
    text.remove_prefix(count);
    advance(static_cast<int>(count));
  }
  ++version_;
}

void Screen::advance(int columns) {
  column_ += columns;
  if (column_ <= kColumns) return;
  column_ = 1;
  if (row_ < kRows) {
    ++row_;
  } else {
    // Writing the last cell does not scroll yet: the next output (or newLine) does.
    scrollPending_ = true;
  }
}

void Screen::newLine() {
  if (row_ < kRows) {
    ++row_;
  } else {
    if (scrollPending_) scrollUp();
    scrollUp();
  }
  column_ = 1;
  scrollPending_ = false;
  ++version_;
}

void Screen::tabTo(int column) {
  if (column < 1 || column == column_) return;
  if (column > column_) {
    printText(std::string(static_cast<std::size_t>(column - column_), ' '));
  } else {
    newLine();
    printText(std::string(static_cast<std::size_t>(column - 1), ' '));
  }
}

void Screen::scrollUp() {
  std::copy(cells_.begin() + kColumns, cells_.end(), cells_.begin());
  std::fill(cells_.end() - kColumns, cells_.end(), Cell{' ', currentAttr()});
}

std::string Screen::rowText(int row) const {
  std::string text(kColumns, ' ');
  const auto first = cells_.begin() + index(row, 1);
  std::transform(first, first + kColumns, text.begin(), [](const Cell& cell) { return cell.ch; });
  return text;
}

}  // namespace bidgauge

#include "hand/cp437.hpp"

namespace bidgauge {

std::string Screen::toUtf8() const {
  std::string out;
  for (int row = 1; row <= kRows; ++row) {
    std::string line = rowText(row);
    line.erase(line.find_last_not_of(' ') + 1);
    out += cp437ToUtf8(line);
    out += '\n';
  }
  return out;
}

}  // namespace bidgauge
