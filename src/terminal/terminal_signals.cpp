#include "terminal/terminal_signals.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace bidgauge {
namespace {

constexpr std::size_t kMaxResetBytes = 256;

struct CrashRestore {
  volatile std::sig_atomic_t armed = 0;
  int fd = -1;
  termios saved{};
  std::array<char, kMaxResetBytes> bytes{};
  std::size_t length = 0;
};

// State shared with the signal handlers, which can reach nothing else.
volatile std::sig_atomic_t gQuit = 0;
volatile std::sig_atomic_t gResized = 0;
volatile std::sig_atomic_t gContinued = 0;
std::array<int, 2> gWakePipe = {-1, -1};
CrashRestore gCrash;
std::atomic<bool> gInstalled = false;

void wake() {
  const int savedErrno = errno;
  if (gWakePipe[1] >= 0 && write(gWakePipe[1], "", 1) < 0) {
    // A full pipe already wakes the reader.
  }
  errno = savedErrno;
}

// In raw mode Ctrl+C is a key; a SIGINT sent from elsewhere is ignored like it.
void onInterrupt(int /*signal*/) {
  wake();
}
void onQuit(int /*signal*/) {
  gQuit = 1;
  wake();
}
void onResize(int /*signal*/) {
  gResized = 1;
  wake();
}
void onContinue(int /*signal*/) {
  gContinued = 1;
  wake();
}

// Installed with SA_RESETHAND: the raised signal is delivered with its
// default action once this handler returns.
void onCrash(int signal) {
  if (gCrash.armed != 0) {
    tcsetattr(gCrash.fd, TCSANOW, &gCrash.saved);
    if (write(gCrash.fd, gCrash.bytes.data(), gCrash.length) < 0) {
      // Nothing more can be done for the terminal.
    }
  }
  raise(signal);
}

struct Handling {
  int signal;
  void (*handler)(int);
  bool crash;
};

const std::array<Handling, TerminalSignals::kHandledSignals> kHandling = {{
    {SIGINT, onInterrupt, false},
    {SIGTERM, onQuit, false},
    {SIGHUP, onQuit, false},
    {SIGQUIT, onQuit, false},
    {SIGWINCH, onResize, false},
    {SIGCONT, onContinue, false},
    {SIGSEGV, onCrash, true},
    {SIGBUS, onCrash, true},
    {SIGFPE, onCrash, true},
    {SIGILL, onCrash, true},
    {SIGABRT, onCrash, true},
}};

bool take(volatile std::sig_atomic_t& flag) {
  if (flag == 0) return false;
  flag = 0;
  return true;
}

}  // namespace

TerminalSignals::TerminalSignals() {
  if (gInstalled.exchange(true)) throw std::logic_error("terminal signals installed twice");
  gQuit = 0;
  gResized = 0;
  gContinued = 0;
  if (pipe2(gWakePipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) gWakePipe = {-1, -1};
  for (std::size_t i = 0; i < kHandling.size(); ++i) {
    const Handling& handling = kHandling[i];
    sigaction(handling.signal, nullptr, &previous_[i]);
    // A signal ignored by whoever started us (nohup, a shell's trap) stays ignored.
    if (!handling.crash && previous_[i].sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = handling.handler;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a signal must interrupt the key wait.
    action.sa_flags = handling.crash ? SA_RESETHAND : 0;
    sigaction(handling.signal, &action, nullptr);
  }
}

TerminalSignals::~TerminalSignals() {
  disarmCrashRestore();
  for (std::size_t i = 0; i < kHandling.size(); ++i) {
    sigaction(kHandling[i].signal, &previous_[i], nullptr);
  }
  for (int& fd : gWakePipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
  gInstalled = false;
}

void TerminalSignals::armCrashRestore(int fd, const termios& saved, std::string_view resetBytes) {
  gCrash.armed = 0;
  gCrash.fd = fd;
  gCrash.saved = saved;
  gCrash.length = std::min(resetBytes.size(), gCrash.bytes.size());
  std::copy_n(resetBytes.begin(), gCrash.length, gCrash.bytes.begin());
  gCrash.armed = 1;
}

void TerminalSignals::disarmCrashRestore() {
  gCrash.armed = 0;
}

int TerminalSignals::wakeFd() const {
  return gWakePipe[0];
}

void TerminalSignals::drainWake() const {
  std::array<char, 64> buffer{};
  while (gWakePipe[0] >= 0 && read(gWakePipe[0], buffer.data(), buffer.size()) > 0) {
  }
}

bool TerminalSignals::quitRequested() const {
  return gQuit != 0;
}
bool TerminalSignals::takeResized() {
  return take(gResized);
}
bool TerminalSignals::takeContinued() {
  return take(gContinued);
}

}  // namespace bidgauge
