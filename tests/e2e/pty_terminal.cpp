#include "e2e/pty_terminal.hpp"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "hand/cp437.hpp"

namespace bidgauge::e2e {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A child must not depend on the developer's terminal or locale; only the
// sanitizer settings of the test run pass through.
constexpr std::array kPassedThrough = {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"};

// Signals a test runner may have ignored; ignored dispositions survive exec.
constexpr std::array kDefaultSignals = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE};

constexpr milliseconds kWriteTimeout{10'000};

std::vector<std::string> childEnvironment(const std::filesystem::path& home) {
  std::vector<std::string> env = {"TERM=xterm-256color", "LANG=C.UTF-8", "LC_ALL=C.UTF-8",
                                  "PATH=/usr/local/bin:/usr/bin:/bin", "HOME=" + home.string()};
  for (const char* name : kPassedThrough) {
    if (const char* value = std::getenv(name)) env.push_back(std::string(name) + "=" + value);
  }
  return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> result;
  for (std::string& s : strings) result.push_back(s.data());
  result.push_back(nullptr);
  return result;
}

std::filesystem::path makeTempHome() {
  std::string pattern = (std::filesystem::temp_directory_path() / "bidgauge-e2e-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::system_error(errno, std::generic_category(), "mkdtemp");
  }
  return pattern;
}

int paletteIndex(const VTermColor& color) {
  if ((color.type & VTERM_COLOR_DEFAULT_MASK) != 0) return -1;
  if (VTERM_COLOR_IS_INDEXED(&color)) return color.indexed.idx;
  return -2;
}

std::string cellText(const VTermScreenCell& cell) {
  // A wide glyph's right half holds (uint32_t)-1.
  if (cell.chars[0] == static_cast<std::uint32_t>(-1)) return "";
  if (cell.chars[0] == 0) return " ";
  std::string text;
  for (std::uint32_t c : cell.chars) {
    if (c == 0) break;
    appendUtf8(text, c);
  }
  return text;
}

milliseconds remaining(Clock::time_point deadline) {
  return std::max(milliseconds{0},
                  std::chrono::duration_cast<milliseconds>(deadline - Clock::now()));
}

}  // namespace

int dosColor(int paletteIndex) {
  constexpr std::array<int, 8> kSwap = {0, 4, 2, 6, 1, 5, 3, 7};
  if (paletteIndex < 0 || paletteIndex > 15) return -1;
  return (paletteIndex & 8) | kSwap[static_cast<std::size_t>(paletteIndex & 7)];
}

int dosForeground(const Cell& cell, bool boldIsBright) {
  const int color = dosColor(cell.fg);
  return boldIsBright && cell.bold && color >= 0 ? color | 8 : color;
}

PtyTerminal::PtyTerminal(std::vector<std::string> argv, TerminalSize size) : home_(makeTempHome()) {
  if (argv.empty()) throw std::invalid_argument("PtyTerminal needs a command");
  std::vector<std::string> env = childEnvironment(home_);
  std::vector<char*> argvPointers = pointers(argv);
  std::vector<char*> envPointers = pointers(env);

  static const VTermScreenCallbacks callbacks = [] {
    VTermScreenCallbacks c{};
    c.settermprop = &PtyTerminal::onTermProp;
    c.bell = &PtyTerminal::onBell;
    return c;
  }();
  vterm_ = vterm_new(size.rows, size.columns);
  vterm_set_utf8(vterm_, 1);
  vterm_output_set_callback(vterm_, &PtyTerminal::onOutput, this);
  screen_ = vterm_obtain_screen(vterm_);
  vterm_screen_set_callbacks(screen_, &callbacks, this);
  vterm_screen_enable_altscreen(screen_, 1);
  vterm_screen_reset(screen_, 1);

  winsize window{};
  window.ws_row = static_cast<unsigned short>(size.rows);
  window.ws_col = static_cast<unsigned short>(size.columns);
  pid_ = forkpty(&master_, nullptr, nullptr, &window);
  if (pid_ < 0) {
    const int error = errno;
    vterm_free(vterm_);
    std::filesystem::remove_all(home_);
    throw std::system_error(error, std::generic_category(), "forkpty");
  }
  if (pid_ == 0) {
    for (int signal : kDefaultSignals) ::signal(signal, SIG_DFL);
    execve(argvPointers[0], argvPointers.data(), envPointers.data());
    _exit(127);
  }
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  fcntl(master_, F_SETFD, FD_CLOEXEC);
}

PtyTerminal::~PtyTerminal() {
  if (!exitStatus_) {
    // The whole process group, so that nothing the child started keeps the pty.
    kill(-pid_, SIGKILL);
    kill(pid_, SIGKILL);
    reap(0);
  }
  if (master_ >= 0) close(master_);
  vterm_free(vterm_);
  std::error_code ignored;
  std::filesystem::remove_all(home_, ignored);
}

void PtyTerminal::onOutput(const char* bytes, size_t length, void* self) {
  // Not written at once: this runs inside libvterm, which must not be re-entered.
  static_cast<PtyTerminal*>(self)->answers_.append(bytes, length);
}

int PtyTerminal::onTermProp(VTermProp prop, VTermValue* value, void* self) {
  auto& terminal = *static_cast<PtyTerminal*>(self);
  switch (prop) {
    case VTERM_PROP_TITLE:
      terminal.title_ = value->string != nullptr ? value->string : "";
      break;
    case VTERM_PROP_CURSORVISIBLE:
      terminal.cursorVisible_ = value->boolean != 0;
      break;
    case VTERM_PROP_ALTSCREEN:
      terminal.altScreen_ = value->boolean != 0;
      break;
    default:
      break;
  }
  return 1;  // accepted: libvterm only stores properties the user takes
}

int PtyTerminal::onBell(void* self) {
  ++static_cast<PtyTerminal*>(self)->bells_;
  return 1;
}

void PtyTerminal::sendText(std::string_view utf8) {
  writeToChild(utf8);
}

void PtyTerminal::sendKey(VTermKey key, VTermModifier modifiers) {
  vterm_keyboard_key(vterm_, key, modifiers);
  flushAnswers();
}

void PtyTerminal::sendFunctionKey(int number, VTermModifier modifiers) {
  sendKey(static_cast<VTermKey>(VTERM_KEY_FUNCTION(number)), modifiers);
}

void PtyTerminal::sendCtrl(char letter) {
  const char byte = static_cast<char>(letter & 0x1F);
  writeToChild(std::string_view(&byte, 1));
}

void PtyTerminal::sendBytes(std::string_view bytes) {
  writeToChild(bytes);
}

void PtyTerminal::resize(int columns, int rows) {
  vterm_set_size(vterm_, rows, columns);
  winsize window{};
  window.ws_row = static_cast<unsigned short>(rows);
  window.ws_col = static_cast<unsigned short>(columns);
  if (ioctl(master_, TIOCSWINSZ, &window) != 0) {
    throw std::system_error(errno, std::generic_category(), "TIOCSWINSZ");
  }
}

TerminalSize PtyTerminal::size() const {
  TerminalSize result;
  vterm_get_size(vterm_, &result.rows, &result.columns);
  return result;
}

void PtyTerminal::checkPosition(int row, int column) const {
  // libvterm does not check: a position past the width reads out of bounds.
  const TerminalSize current = size();
  if (row < 1 || row > current.rows || column < 1 || column > current.columns) {
    throw std::out_of_range("cell " + std::to_string(row) + "," + std::to_string(column) +
                            " is off the screen");
  }
}

Cell PtyTerminal::cell(int row, int column) const {
  checkPosition(row, column);
  VTermScreenCell raw{};
  vterm_screen_get_cell(screen_, VTermPos{row - 1, column - 1}, &raw);
  return Cell{cellText(raw), paletteIndex(raw.fg), paletteIndex(raw.bg), raw.attrs.bold != 0,
              raw.attrs.reverse != 0};
}

std::vector<Cell> PtyTerminal::cells() const {
  const TerminalSize current = size();
  std::vector<Cell> result;
  for (int row = 1; row <= current.rows; ++row) {
    for (int column = 1; column <= current.columns; ++column) result.push_back(cell(row, column));
  }
  return result;
}

std::string PtyTerminal::rowText(int row, Blanks blanks) const {
  checkPosition(row, 1);
  std::string text;
  for (int column = 1; column <= size().columns; ++column) text += cell(row, column).text;
  if (blanks == Blanks::kTrim) text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string PtyTerminal::screenText() const {
  std::string text;
  for (int row = 1; row <= size().rows; ++row) {
    if (row > 1) text += '\n';
    text += rowText(row, Blanks::kTrim);
  }
  return text;
}

std::string PtyTerminal::dump() const {
  std::ostringstream out;
  for (int row = 1; row <= size().rows; ++row) {
    out << (row < 10 ? " " : "") << row << "|" << rowText(row) << "|\n";
  }
  const Position at = cursor();
  out << "cursor " << at.row << "," << at.column << (cursorVisible_ ? "" : " (hidden)");
  return out.str();
}

Position PtyTerminal::cursor() const {
  VTermPos position{};
  vterm_state_get_cursorpos(vterm_obtain_state(vterm_), &position);
  return Position{position.row + 1, position.col + 1};
}

void PtyTerminal::pump(milliseconds timeout) {
  if (master_ < 0 || outputEnded_) return;
  pollfd fd{master_, POLLIN, 0};
  if (poll(&fd, 1, static_cast<int>(timeout.count())) <= 0) return;
  std::array<char, 65536> buffer{};
  for (;;) {
    const ssize_t count = read(master_, buffer.data(), buffer.size());
    if (count > 0) {
      bytesReceived_ += static_cast<std::size_t>(count);
      vterm_input_write(vterm_, buffer.data(), static_cast<size_t>(count));
      continue;
    }
    if (count < 0 && errno == EINTR) continue;
    // EIO: the child side is closed for good (0 is the same on other systems).
    if (count == 0 || errno != EAGAIN) outputEnded_ = true;
    return;
  }
}

void PtyTerminal::writeToChild(std::string_view bytes) {
  if (master_ < 0) throw std::logic_error("the terminal is closed");
  const auto deadline = Clock::now() + kWriteTimeout;
  while (!bytes.empty()) {
    const ssize_t count = write(master_, bytes.data(), bytes.size());
    if (count > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(count));
      continue;
    }
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 && errno == EIO) return;  // the child has gone; nobody to type to
    if (Clock::now() > deadline) throw std::runtime_error("the child does not read its input");
    // A full input queue: keep reading so that a child blocked on output can go on.
    pollfd fd{master_, POLLIN | POLLOUT, 0};
    if (poll(&fd, 1, 10) > 0 && (fd.revents & POLLIN) != 0) pump(milliseconds{0});
  }
}

void PtyTerminal::flushAnswers() {
  while (!answers_.empty() && master_ >= 0) {
    std::string pending;
    pending.swap(answers_);
    writeToChild(pending);
  }
}

bool PtyTerminal::waitFor(const std::function<bool()>& predicate, milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (predicate()) return true;
    if (outputEnded_ || master_ < 0 || Clock::now() >= deadline) return false;
    pump(std::min(remaining(deadline), milliseconds{50}));
    flushAnswers();
  }
}

bool PtyTerminal::reap(int options) {
  if (exitStatus_) return true;
  int status = 0;
  pid_t result = 0;
  do {
    result = waitpid(pid_, &status, options);
  } while (result < 0 && errno == EINTR);
  if (result != pid_) return false;
  exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return true;
}

std::optional<int> PtyTerminal::waitForExit(milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (!reap(WNOHANG)) {
    if (Clock::now() >= deadline) return std::nullopt;
    if (outputEnded_ || master_ < 0) {
      std::this_thread::sleep_for(std::min(remaining(deadline), milliseconds{5}));
    } else {
      pump(std::min(remaining(deadline), milliseconds{20}));
      flushAnswers();
    }
  }
  // What the child wrote last (its final screen) is still queued in the pty.
  while (!outputEnded_ && master_ >= 0 && Clock::now() < deadline) {
    pump(std::min(remaining(deadline), milliseconds{50}));
  }
  return exitStatus_;
}

void PtyTerminal::sendSignal(int signal) {
  if (!exitStatus_) kill(pid_, signal);
}

void PtyTerminal::closeMaster() {
  if (master_ < 0) return;
  close(master_);
  master_ = -1;
}

termios PtyTerminal::terminalModes() const {
  termios modes{};
  if (master_ < 0 || tcgetattr(master_, &modes) != 0) {
    throw std::runtime_error("the terminal's modes cannot be read");
  }
  return modes;
}

}  // namespace bidgauge::e2e
