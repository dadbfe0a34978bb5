#pragma once

#include <string_view>

#include "console/screen.hpp"

namespace bidgauge {

// Everything the program shows goes through a Console: drawing happens on the
// in-memory screen, which a backend renders. Keys are not read here: the
// backend delivers them to the application one at a time, so nothing that
// draws ever waits for a key.
class Console {
 public:
  virtual ~Console() = default;

  Screen& screen() { return screen_; }
  const Screen& screen() const { return screen_; }

  void clearScreen() { screen_.clearScreen(); }
  void setColor(int foreground, int background) { screen_.setColor(foreground, background); }
  void moveCursor(int row, int column) { screen_.moveCursor(row, column); }
  void moveToColumn(int column) { screen_.moveToColumn(column); }
  int cursorRow() const { return screen_.cursorRow(); }
  int cursorColumn() const { return screen_.cursorColumn(); }
  void printText(std::string_view text) { screen_.printText(text); }
  void newLine() { screen_.newLine(); }
  void tabTo(int column) { screen_.tabTo(column); }
  void showCursor() { screen_.showCursor(); }
  void hideCursor() { screen_.hideCursor(); }

  virtual void setTitle(std::string_view title) = 0;
  virtual void setScreenSize(int columns, int rows) = 0;
  // Asks the backend to discard every key pressed but not yet delivered, so
  // that keys typed ahead cannot answer what is shown next.
  virtual void flushKeys() = 0;
  // Starts the beep sound and returns at once.
  virtual void playBeep() = 0;

 private:
  Screen screen_;
};

}  // namespace bidgauge
