#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "console/console.hpp"
#include "console/key.hpp"

namespace bidgauge {

struct TerminalOptions {
  bool quiet = false;  // no sound and no terminal bell
};

// The console on a real terminal through curses. Keys come from /dev/tty, so a
// redirected standard input is ignored; the screen goes to standard output
// when it is a terminal, else to standard error. The terminal is restored on
// every way out and the last screen stays in view after exit.
class TerminalConsole : public Console {
 public:
  // Nothing, with a one-line reason in `error`, when there is no usable terminal.
  static std::unique_ptr<TerminalConsole> open(const TerminalOptions& options, std::string& error);

  ~TerminalConsole() override;
  TerminalConsole(const TerminalConsole&) = delete;
  TerminalConsole& operator=(const TerminalConsole&) = delete;

  // Gives the terminal back; done by the destructor at the latest.
  void close();

  void setTitle(std::string_view title) override;
  // The screen model is always 80x25: this clears it and asks a smaller
  // terminal to grow. While the terminal is too small, nextKey shows a notice
  // instead of the screen and holds the keys typed meanwhile.
  void setScreenSize(int columns, int rows) override;
  void flushKeys() override;
  // Shows the screen and waits for the next key. Nothing on SIGTERM, SIGHUP
  // or SIGQUIT, or when the terminal is gone: the program then ends.
  std::optional<Key> nextKey();
  void playBeep() override;

 private:
  struct Terminal;
  explicit TerminalConsole(std::unique_ptr<Terminal> terminal);

  std::unique_ptr<Terminal> terminal_;
};

}  // namespace bidgauge
