#pragma once

#include <signal.h>
#include <termios.h>

#include <array>
#include <string_view>

namespace bidgauge {

// The signals a full-screen terminal program must answer. Handlers only set
// flags and wake the key wait through a pipe; the console acts on them in its
// own time. Only one instance may exist at a time, since a signal handler can
// reach nothing but static storage.
class TerminalSignals {
 public:
  // Installs the handlers; call before curses starts, so that it leaves
  // INT, TERM and WINCH to us. An inherited SIG_IGN is kept.
  TerminalSignals();
  // Puts back the handlers found at construction.
  ~TerminalSignals();
  TerminalSignals(const TerminalSignals&) = delete;
  TerminalSignals& operator=(const TerminalSignals&) = delete;

  // On a crash signal, `saved` is put back on `fd` and `resetBytes` written to
  // it before the signal takes its course.
  void armCrashRestore(int fd, const termios& saved, std::string_view resetBytes);
  void disarmCrashRestore();

  // Readable whenever a signal has arrived; drain it before acting on the flags.
  int wakeFd() const;
  void drainWake() const;

  // TERM, HUP or QUIT arrived: the program is to end.
  bool quitRequested() const;
  // The window size changed, or the process was continued after a stop,
  // since the last call.
  bool takeResized();
  bool takeContinued();

  static constexpr std::size_t kHandledSignals = 11;

 private:
  std::array<struct sigaction, kHandledSignals> previous_{};
};

}  // namespace bidgauge
