#pragma once

#include <sys/types.h>
#include <termios.h>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <vterm.h>

namespace bidgauge::e2e {

// One screen cell as the emulated terminal shows it. Colours are xterm palette
// indices, -1 for the terminal's default colour, -2 for a direct RGB colour.
struct Cell {
  std::string text;  // UTF-8; " " for a never-written cell, "" right of a wide glyph
  int fg = -1;
  int bg = -1;
  bool bold = false;
  bool reverse = false;

  bool operator==(const Cell&) const = default;
};

// 1-based, like the program's own coordinates.
struct Position {
  int row = 0;
  int column = 0;

  bool operator==(const Position&) const = default;
};

struct TerminalSize {
  int columns = 80;
  int rows = 25;
};

enum class Blanks { kKeep, kTrim };

// The program draws DOS colour d as curses colour (d & 8) | swap(d & 7), red and
// blue swapped; the swap is its own inverse. -1 for anything outside the sixteen.
int dosColor(int paletteIndex);

// DOS foreground of a cell. With boldIsBright, bold on colours 0-7 counts as the
// bright half, as on 8-colour terminals.
int dosForeground(const Cell& cell, bool boldIsBright = false);

// A command running in a pseudo-terminal whose output drives a libvterm screen.
// Nothing happens in the background: the screen only changes inside waitFor,
// waitForExit and the send calls, so a test sees a stable picture between them.
class PtyTerminal {
 public:
  // argv[0] must be a path; the environment is fixed (see the .cpp), never the caller's.
  explicit PtyTerminal(std::vector<std::string> argv, TerminalSize size = {});
  ~PtyTerminal();
  PtyTerminal(const PtyTerminal&) = delete;
  PtyTerminal& operator=(const PtyTerminal&) = delete;

  void sendText(std::string_view utf8);
  // Encoded as the emulated terminal would, following its keypad and cursor modes.
  void sendKey(VTermKey key, VTermModifier modifiers = VTERM_MOD_NONE);
  void sendFunctionKey(int number, VTermModifier modifiers = VTERM_MOD_NONE);
  void sendCtrl(char letter);
  void sendBytes(std::string_view bytes);

  // The pty's window size and the emulated screen change together; the child
  // gets SIGWINCH.
  void resize(int columns, int rows);

  TerminalSize size() const;
  std::string rowText(int row, Blanks blanks = Blanks::kKeep) const;
  // All rows, trailing blanks trimmed, joined with '\n'.
  std::string screenText() const;
  // Rows numbered, plus the cursor: for failure messages.
  std::string dump() const;
  Cell cell(int row, int column) const;
  std::vector<Cell> cells() const;
  Position cursor() const;
  bool cursorVisible() const { return cursorVisible_; }
  bool altScreen() const { return altScreen_; }
  std::string title() const { return title_; }
  int bellCount() const { return bells_; }
  std::size_t bytesReceived() const { return bytesReceived_; }
  pid_t pid() const { return pid_; }

  // Feeds output into the screen until the predicate holds (true) or the
  // deadline passes (false). Returns early when no more output can come.
  bool waitFor(const std::function<bool()>& predicate, std::chrono::milliseconds timeout);
  // The exit code, or 128 + signal number when a signal ended the child;
  // nullopt when it is still running at the deadline. Output keeps flowing
  // into the screen meanwhile.
  std::optional<int> waitForExit(std::chrono::milliseconds timeout);

  void sendSignal(int signal);
  // The terminal goes away: the child sees a hang-up.
  void closeMaster();
  // The line discipline settings of the pty (valid while the master is open).
  termios terminalModes() const;

 private:
  static void onOutput(const char* bytes, size_t length, void* self);
  static int onTermProp(VTermProp prop, VTermValue* value, void* self);
  static int onBell(void* self);

  void checkPosition(int row, int column) const;
  // Reads whatever the child wrote within the timeout into the screen.
  void pump(std::chrono::milliseconds timeout);
  void writeToChild(std::string_view bytes);
  void flushAnswers();
  bool reap(int options);

  std::filesystem::path home_;
  int master_ = -1;
  pid_t pid_ = -1;
  std::optional<int> exitStatus_;
  bool outputEnded_ = false;
  VTerm* vterm_ = nullptr;
  VTermScreen* screen_ = nullptr;
  std::string answers_;  // terminal replies waiting to go to the child
  std::string title_;
  bool cursorVisible_ = true;
  bool altScreen_ = false;
  int bells_ = 0;
  std::size_t bytesReceived_ = 0;
};

}  // namespace bidgauge::e2e
