#pragma once

#include <string>
#include <string_view>

#include "console/screen.hpp"

namespace bidgauge {

// Thrown by waitKey when no key can ever arrive again (the terminal went away,
// or a test script ran out). The program then ends normally.
struct InputClosed {};

// Key texts: one byte for a key that yields a character, or 0 and the PC scan
// code for one that does not.
namespace key {
inline constexpr std::string_view enter = "\r";
inline constexpr std::string_view escape = "\x1B";
inline constexpr std::string_view backspace = "\b";
inline std::string scan(int code) {
  return std::string{'\0', static_cast<char>(code)};
}
}  // namespace key

// Everything the program shows and every key it reads goes through a Console.
// Drawing happens on the in-memory screen; a backend renders it and reads keys.
class Console {
 public:
  virtual ~Console() = default;

  Screen& screen() { return screen_; }
  const Screen& screen() const { return screen_; }

  void clearScreen() { screen_.clearScreen(); }
  void setColor(int foreground, int background) { screen_.setColor(foreground, background); }
  void moveCursor(int row, int column) { screen_.moveCursor(row, column); }
  int cursorRow() const { return screen_.cursorRow(); }
  int cursorColumn() const { return screen_.cursorColumn(); }
  void printText(std::string_view text) { screen_.printText(text); }
  void newLine() { screen_.newLine(); }
  void tabTo(int column) { screen_.tabTo(column); }
  void showCursor() { screen_.showCursor(); }
  void hideCursor() { screen_.hideCursor(); }

  virtual void setTitle(std::string_view title) = 0;
  virtual void setScreenSize(int columns, int rows) = 0;
  // Discards every key pressed but not yet read.
  virtual void flushKeys() = 0;
  // Blocks until a key is pressed; shows the screen first. Throws InputClosed.
  virtual std::string waitKey() = 0;
  // Starts the beep sound and returns at once.
  virtual void playBeep() = 0;

  // waitKey with the letters a to z upper-cased.
  std::string readKey();

 private:
  Screen screen_;
};

}  // namespace bidgauge
