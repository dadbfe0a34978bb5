#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace bidgauge {

// One character cell: a code page 437 byte and an attribute (foreground + 16 * background).
struct Cell {
  char ch = ' ';
  std::uint8_t attr = 0x07;

  int foreground() const { return attr & 0x0F; }
  int background() const { return attr >> 4; }
  friend bool operator==(const Cell&, const Cell&) = default;
};

// The 80x25 text screen the program draws on, with the exact cursor, wrap and
// scroll behaviour of a PC console. Rows and columns are 1-based.
class Screen {
 public:
  static constexpr int kRows = 25;
  static constexpr int kColumns = 80;

  // Drawing operations.
  void clearScreen();
  void setColor(int foreground, int background);  // out-of-range values keep that colour
  void moveCursor(int row, int column);           // out-of-range values keep that coordinate
  void moveToColumn(int column);                  // on the cursor's row; out of range: no move
  void printText(std::string_view text);
  void newLine();
  void tabTo(int column);
  void showCursor() { cursorVisible_ = true; }
  void hideCursor() { cursorVisible_ = false; }

  // Reading the state back.
  int cursorRow() const { return row_; }
  int cursorColumn() const { return column_; }
  bool cursorVisible() const { return cursorVisible_; }
  bool scrollPending() const { return scrollPending_; }
  int foreground() const { return foreground_; }
  int background() const { return background_; }
  const Cell& cell(int row, int column) const { return cells_[index(row, column)]; }

  // Row `row` as 80 code page 437 bytes.
  std::string rowText(int row) const;
  // The whole screen as UTF-8, one line per row with trailing blanks removed.
  std::string toUtf8() const;

  // Counts every change, so a renderer can skip work when nothing happened.
  std::uint64_t version() const { return version_; }

  // Equal when they look the same: cells, cursor, colours and pending scroll.
  friend bool operator==(const Screen& a, const Screen& b) {
    return a.cells_ == b.cells_ && a.row_ == b.row_ && a.column_ == b.column_ &&
           a.foreground_ == b.foreground_ && a.background_ == b.background_ &&
           a.cursorVisible_ == b.cursorVisible_ && a.scrollPending_ == b.scrollPending_;
  }

 private:
  static int index(int row, int column) { return (row - 1) * kColumns + (column - 1); }
  std::uint8_t currentAttr() const {
    return static_cast<std::uint8_t>(foreground_ + 16 * background_);
  }
  // Moves the cursor past `columns` cells just written on its row.
  void advance(int columns);
  void scrollUp();

  std::array<Cell, std::size_t{kRows} * kColumns> cells_{};
  int row_ = 1;
  int column_ = 1;
  int foreground_ = 7;
  int background_ = 0;
  bool cursorVisible_ = true;
  bool scrollPending_ = false;
  std::uint64_t version_ = 0;
};

}  // namespace bidgauge
