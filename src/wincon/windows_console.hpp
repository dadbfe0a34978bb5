#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "console/console.hpp"
#include "console/key.hpp"

namespace bidgauge {

struct WindowsConsoleOptions {
  bool quiet = false;  // no sound at all
};

// The console in a Windows console window, through the Win32 console API. The
// program draws on a screen buffer of its own, sized 80x25 where the window
// allows it; the window's own buffer comes back on exit, its visible part
// showing the last screen. Keys come from the console input itself, so a
// redirected standard input is ignored. Ctrl+C and Ctrl+Break never end the
// program; closing the window does, through nextKey, after the console is
// put back.
class WindowsConsole : public Console {
 public:
  // Nothing, with a one-line reason in `error`, when there is no console to use.
  static std::unique_ptr<WindowsConsole> open(const WindowsConsoleOptions& options,
                                              std::string& error);

  ~WindowsConsole() override;
  WindowsConsole(const WindowsConsole&) = delete;
  WindowsConsole& operator=(const WindowsConsole&) = delete;

  // Puts the console back as it was; done by the destructor at the latest.
  void close();

  void setTitle(std::string_view title) override;
  // The screen model is always 80x25: this clears it and sizes the buffer and
  // window to it where the console allows. While the window is smaller,
  // nextKey shows a notice instead of the screen and drops the keys typed
  // meanwhile; Q, Escape or Ctrl+C there end the program.
  void setScreenSize(int columns, int rows) override;
  void flushKeys() override;
  // Shows the screen and waits for the next key. Nothing once the window is
  // being closed or the console is gone: the program then ends.
  std::optional<Key> nextKey();
  void playBeep() override;

 private:
  struct Host;
  explicit WindowsConsole(std::unique_ptr<Host> host);

  std::unique_ptr<Host> host_;
};

}  // namespace bidgauge
