#include "terminal/terminal_console.hpp"

#include <curses.h>
#include <langinfo.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <cerrno>
#include <chrono>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>
#include <utility>

#include "hand/cp437.hpp"
#include "terminal/key_decoder.hpp"
#include "terminal/sound.hpp"
#include "terminal/terminal_signals.hpp"
#include "terminal/terminal_style.hpp"
#include "terminal/terminal_text.hpp"

namespace bidgauge {
namespace {

// No key can ever arrive again: a quit signal came, or the terminal went away.
struct InputClosed {};

constexpr int kEscapeDelayMs = 25;
constexpr int kResizeWaitMs = 200;
// Reads that fail although poll() said the terminal was readable: a terminal
// that is gone can report EOF forever instead of a hang-up.
constexpr int kMaxFailedReads = 100;
constexpr std::size_t kMaxHeldKeys = 4096;

// Home, End and keypad Enter as some terminals send them although their
// terminfo entry names other strings (xterm-256color inside tmux).
const std::array<std::pair<const char*, int>, 9> kExtraKeys = {{
    {"\033[1~", KEY_HOME},
    {"\033[4~", KEY_END},
    {"\033[H", KEY_HOME},
    {"\033[F", KEY_END},
    {"\033OH", KEY_HOME},
    {"\033OF", KEY_END},
    {"\033[7~", KEY_HOME},
    {"\033[8~", KEY_END},
    {"\033OM", KEY_ENTER},
}};

// A terminfo string with its padding ("$<5>") removed, for writing directly.
std::string capability(const char* name) {
  const char* value = tigetstr(name);
  // tigetstr() gives (char*)-1 for a name that is no string capability.
  if (value == nullptr || reinterpret_cast<std::intptr_t>(value) == -1) return {};
  std::string text = value;
  for (std::size_t start = text.find("$<"); start != std::string::npos;
       start = text.find("$<", start)) {
    const std::size_t end = text.find('>', start);
    if (end == std::string::npos) break;
    text.erase(start, end - start + 1);
  }
  return text;
}

void writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

chtype lineCharacter(LineShape shape) {
  switch (shape) {
    case LineShape::horizontal:
      return ACS_HLINE;
    case LineShape::vertical:
      return ACS_VLINE;
    case LineShape::topLeft:
      return ACS_ULCORNER;
    case LineShape::topRight:
      return ACS_URCORNER;
    case LineShape::bottomLeft:
      return ACS_LLCORNER;
    case LineShape::bottomRight:
      return ACS_LRCORNER;
    case LineShape::teeLeft:
      return ACS_LTEE;
    case LineShape::teeRight:
      return ACS_RTEE;
    case LineShape::teeUp:
      return ACS_BTEE;
    case LineShape::teeDown:
      return ACS_TTEE;
    case LineShape::cross:
      return ACS_PLUS;
    case LineShape::none:
      break;
  }
  return '?';
}

// Q, Escape and Ctrl+C at the small-window notice.
bool leavesNotice(Key key) {
  return key.upperCased() == Key::character('Q') || key == keys::escape || key == Key::character(3);
}

struct CursorState {
  int row = -1;  // 0-based; -1 forces the next placement
  int column = -1;
  bool visible = false;

  friend bool operator==(const CursorState&, const CursorState&) = default;
};

}  // namespace

// Everything curses: the terminal between open() and close(). A private type,
// so its members are open to the console's functions.
struct TerminalConsole::Terminal {
  explicit Terminal(const TerminalOptions& terminalOptions) : options(terminalOptions) {}
  ~Terminal() { shutdown(nullptr); }
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  // Start and end.
  bool start(const std::string& termName, std::string& error);
  bool openStreams(std::string& error);
  bool startCurses(const std::string& termName, std::string& error);
  void setUpKeys();
  void setUpColors();
  void setUpTitle();
  void shutdown(const Screen* lastScreen);

  // Drawing.
  bool fits() const { return LINES >= neededRows && COLS >= neededColumns; }
  void render(const Screen& model);
  void chooseRestingColors(const Screen& model);
  void preparePair(const CellStyle& style);
  void clearAround();
  void drawCells(const Screen& model);
  void putCell(int row, int column, const Cell& cell);
  void showNotice();
  void setCursorVisible(bool visible);
  void emit(std::string_view bytes);
  void setTitle(std::string_view title);
  void requestSize(int columns, int rows);
  void beep() const;

  // Keys and signals.
  std::optional<Key> readStep(int waitMs);
  std::optional<RawKey> readRaw(int timeoutMs);
  void waitForInput(int waitMs);
  bool handleSignals();
  void onResize();
  void resumeAfterStop();
  void hold(Key key);
  void flushKeys();

  TerminalOptions options;
  std::optional<TerminalSignals> signals;
  std::deque<Key> held;  // keys read but not yet handed out
  int neededColumns = Screen::kColumns;
  int neededRows = Screen::kRows;
  bool closed = false;
  FILE* input = nullptr;
  FILE* output = nullptr;
  bool ownsOutput = false;
  SCREEN* screen = nullptr;
  bool utf8 = false;
  ColorDepth depth = ColorDepth::none;
  std::bitset<256> pairsReady;
  std::optional<std::uint8_t> resting;  // the attribute drawn with pair 0
  KeyDecoder decoder;
  std::optional<Screen> shown;  // the model as last drawn; empty: draw every cell
  CursorState cursor;
  bool noticeShown = false;
  bool xtermTitle = false;  // OSC 0 and the title stack work
  std::string statusLineStart, statusLineEnd;
  bool titlePushed = false;
  bool resizeRequested = false;
  bool expectInput = false;
  int failedReads = 0;
  std::unique_ptr<BeepSound> sound;
};

bool TerminalConsole::Terminal::start(const std::string& termName, std::string& error) {
  if (!openStreams(error)) return false;
  termios savedModes{};
  tcgetattr(fileno(output), &savedModes);

  // Only the character type: numbers must keep printing with a decimal point.
  std::setlocale(LC_CTYPE, "");
  utf8 = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
  // Exported sizes would override the real one and hide resizes.
  unsetenv("LINES");
  unsetenv("COLUMNS");

  signals.emplace();
  if (!startCurses(termName, error)) return false;
  signals->armCrashRestore(
      fileno(output), savedModes,
      capability("rmcup") + capability("cnorm") + capability("sgr0") + capability("rmkx"));
  if (!options.quiet) sound = BeepSound::open();
  return true;
}

// Keys always come from the terminal itself; the screen goes to whichever
// standard stream is that terminal.
bool TerminalConsole::Terminal::openStreams(std::string& error) {
  input = std::fopen("/dev/tty", "re");
  if (input == nullptr) {
    error = std::string("cannot open the terminal /dev/tty: ") + std::strerror(errno);
    return false;
  }
  if (isatty(STDOUT_FILENO) != 0) {
    output = stdout;
  } else if (isatty(STDERR_FILENO) != 0) {
    output = stderr;
  } else {
    // Neither stream is a terminal: the screen still belongs on the terminal.
    output = std::fopen("/dev/tty", "we");
    ownsOutput = true;
    if (output == nullptr) {
      error = std::string("cannot write to the terminal /dev/tty: ") + std::strerror(errno);
      return false;
    }
  }
  return true;
}

bool TerminalConsole::Terminal::startCurses(const std::string& termName, std::string& error) {
  screen = newterm(nullptr, output, input);
  if (screen == nullptr) {
    error = "unknown terminal type \"" + termName + "\" (TERM)";
    return false;
  }
  if (capability("cup").empty()) {
    error = "the terminal type \"" + termName + "\" cannot place the cursor (TERM)";
    return false;
  }
  raw();
  noecho();
  nonl();
  intrflush(stdscr, FALSE);
  setUpKeys();
  setUpColors();
  setUpTitle();
  return true;
}

void TerminalConsole::Terminal::setUpKeys() {
  keypad(stdscr, TRUE);
  set_escdelay(kEscapeDelayMs);
  for (const auto& [sequence, code] : kExtraKeys) {
    if (key_defined(sequence) == 0) define_key(sequence, code);
  }
  // Terminfo names the application keypad's keys by their place (xterm's
  // keypad 1 is "lower left", vt100's "upper left"); the key decoder reads
  // them by what they type instead.
  for (const char final : kKeypadFinals) {
    const std::string sequence = std::string("\033O") + final;
    if (key_defined(sequence.c_str()) > 0) define_key(sequence.c_str(), 0);
  }
}

void TerminalConsole::Terminal::setUpColors() {
  if (!has_colors()) return;
  start_color();  // the palette itself is never changed
  depth = colorDepth(COLORS, COLOR_PAIRS);
}

// Curses returns the terminal to pair 0 after every update. The colours the
// program has chosen when it first waits for a key are the ones it types in,
// so they become pair 0, and an echoed key costs one character. Around the
// screen the terminal shows light grey on black.
void TerminalConsole::Terminal::chooseRestingColors(const Screen& model) {
  resting = static_cast<std::uint8_t>(model.foreground() + 16 * model.background());
  if (depth == ColorDepth::none) return;
  const CellStyle restingStyle = cellStyle(*resting, depth, *resting);
  assume_default_colors(restingStyle.foreground, restingStyle.background);
  preparePair(cellStyle(kPlainAttr, depth, *resting));
}

// Blanks the terminal for a complete drawing; beyond the screen's 80x25 it
// shows light grey on black.
void TerminalConsole::Terminal::clearAround() {
  werase(stdscr);
  const CellStyle plain = cellStyle(kPlainAttr, depth, resting.value_or(kPlainAttr));
  const chtype blank = static_cast<chtype>(' ') | static_cast<chtype>(COLOR_PAIR(plain.pair));
  for (int row = 0; row < LINES; ++row) {
    const int from = row < Screen::kRows ? Screen::kColumns : 0;
    if (from < COLS) mvwhline(stdscr, row, from, blank, COLS - from);
  }
}

void TerminalConsole::Terminal::preparePair(const CellStyle& style) {
  const auto pair = static_cast<std::size_t>(style.pair);
  if (pair == 0 || pairsReady.test(pair)) return;
  init_pair(static_cast<short>(pair), static_cast<short>(style.foreground),
            static_cast<short>(style.background));
  pairsReady.set(pair);
}

void TerminalConsole::Terminal::setUpTitle() {
  xtermTitle = tigetflag("XT") > 0;
  const std::string toStatusLine = capability("tsl");
  const std::string fromStatusLine = capability("fsl");
  if (tigetflag("hs") > 0 && !toStatusLine.empty() && !fromStatusLine.empty()) {
    const char* withColumn = tiparm(toStatusLine.c_str(), 0);
    statusLineStart = withColumn != nullptr ? withColumn : toStatusLine;
    statusLineEnd = fromStatusLine;
  }
}

void TerminalConsole::Terminal::shutdown(const Screen* lastScreen) {
  if (closed) return;
  closed = true;
  sound.reset();
  if (screen != nullptr) {
    const int width = COLS;
    endwin();
    // The alternate screen is gone with endwin: repeat the last screen on the
    // normal one, so it stays in view after exit.
    std::string tail;
    if (lastScreen != nullptr) tail = lastScreenText(*lastScreen, {utf8, depth, width});
    if (titlePushed) tail += "\x1B[23;0t";
    writeAll(fileno(output), tail);
    delscreen(screen);
    screen = nullptr;
  }
  signals.reset();
  if (input != nullptr) std::fclose(input);
  if (ownsOutput && output != nullptr) std::fclose(output);
  input = output = nullptr;
}

void TerminalConsole::Terminal::render(const Screen& model) {
  if (!resting) chooseRestingColors(model);
  if (!fits()) {
    if (!noticeShown) showNotice();
    return;
  }
  noticeShown = false;
  bool changed = false;
  if (!shown) clearAround();
  if (!shown || shown->version() != model.version()) {
    drawCells(model);
    changed = true;
  }
  const CursorState wanted{model.cursorRow() - 1, model.cursorColumn() - 1, model.cursorVisible()};
  if (wanted != cursor) {
    setCursorVisible(wanted.visible);
    cursor = wanted;
    changed = true;
  }
  if (!changed) return;
  wmove(stdscr, cursor.row, cursor.column);
  wrefresh(stdscr);
}

// Only cells that differ from the last drawing are handed to curses, which in
// turn sends only what differs from the terminal.
void TerminalConsole::Terminal::drawCells(const Screen& model) {
  for (int row = 1; row <= Screen::kRows; ++row) {
    for (int column = 1; column <= Screen::kColumns; ++column) {
      const Cell& cell = model.cell(row, column);
      if (!shown || shown->cell(row, column) != cell) putCell(row - 1, column - 1, cell);
    }
  }
  shown = model;
}

void TerminalConsole::Terminal::putCell(int row, int column, const Cell& cell) {
  const CellStyle style = cellStyle(cell.attr, depth, resting.value_or(kPlainAttr));
  preparePair(style);
  const attr_t attrs = (style.bold ? A_BOLD : A_NORMAL) | (style.reverse ? A_REVERSE : A_NORMAL);
  const auto byte = static_cast<unsigned char>(cell.ch);
  // The n-string forms never move the cursor, so the bottom-right cell is safe.
  if (utf8) {
    const std::array<wchar_t, 2> text = {static_cast<wchar_t>(cp437ToUnicode(byte)), L'\0'};
    cchar_t wide{};
    setcchar(&wide, text.data(), attrs, static_cast<short>(style.pair), nullptr);
    mvwadd_wchnstr(stdscr, row, column, &wide, 1);
  } else {
    const AsciiGlyph glyph = asciiGlyph(byte);
    const chtype shape = glyph.line == LineShape::none ? static_cast<unsigned char>(glyph.ch)
                                                       : lineCharacter(glyph.line);
    const chtype ch = shape | attrs | static_cast<chtype>(COLOR_PAIR(style.pair));
    mvwaddchnstr(stdscr, row, column, &ch, 1);
  }
}

void TerminalConsole::Terminal::showNotice() {
  werase(stdscr);
  const std::vector<std::string> lines = tooSmallNotice(COLS, LINES, neededColumns, neededRows);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    mvwaddnstr(stdscr, static_cast<int>(i), 0, lines[i].c_str(), COLS);
  }
  setCursorVisible(false);
  cursor = CursorState{};
  shown.reset();
  noticeShown = true;
  wrefresh(stdscr);
}

void TerminalConsole::Terminal::setCursorVisible(bool visible) {
  if (visible != cursor.visible || cursor.row < 0) curs_set(visible ? 1 : 0);
}

// Bytes curses knows nothing about, after its own pending output.
void TerminalConsole::Terminal::emit(std::string_view bytes) {
  if (screen != nullptr && isendwin() == FALSE) wrefresh(stdscr);
  writeAll(fileno(output), bytes);
}

void TerminalConsole::Terminal::setTitle(std::string_view title) {
  const std::string text = titleText(title, utf8);
  std::string bytes;
  if (xtermTitle && !titlePushed) {
    bytes += "\x1B[22;0t";  // popped on exit, so the old title comes back
    titlePushed = true;
  }
  if (!statusLineStart.empty()) {
    bytes += statusLineStart + text + statusLineEnd;
  } else if (xtermTitle) {
    bytes += "\x1B]0;" + text + "\x07";
  } else {
    return;
  }
  emit(bytes);
}

// Most terminals ignore the request (xterm unless allowWindowOps is set, tmux
// always); the notice then asks the user instead.
void TerminalConsole::Terminal::requestSize(int columns, int rows) {
  neededColumns = std::max(columns, 1);
  neededRows = std::max(rows, 1);
  if (fits() || resizeRequested) return;
  resizeRequested = true;
  emit("\x1B[8;" + std::to_string(std::max(rows, LINES)) + ';' +
       std::to_string(std::max(columns, COLS)) + 't');
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kResizeWaitMs);
  try {
    while (!fits()) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) break;
      if (const auto key = readStep(static_cast<int>(left))) hold(*key);
    }
  } catch (const InputClosed&) {
    // The next waitKey finds the same reason to end and reports it.
  }
}

void TerminalConsole::Terminal::flushKeys() {
  flushinp();
  held.clear();
  decoder.reset();
  expectInput = false;
}

void TerminalConsole::Terminal::hold(Key key) {
  if (held.size() < kMaxHeldKeys) held.push_back(key);
}

void TerminalConsole::Terminal::beep() const {
  if (options.quiet) return;
  if (!sound || !sound->play()) ::beep();
}

// One step of the key wait: reads what is there, or waits up to `waitMs`
// (-1: for ever) for input or a signal. Returns a key when one is complete.
std::optional<Key> TerminalConsole::Terminal::readStep(int waitMs) {
  if (handleSignals()) return std::nullopt;  // the caller draws anew first
  switch (decoder.nextWait()) {
    case KeyDecoder::Wait::immediate:
      return decoder.feed(readRaw(0).value_or(RawKey::none()));
    case KeyDecoder::Wait::brief:
      return decoder.feed(readRaw(KeyDecoder::kBriefWaitMs).value_or(RawKey::none()));
    case KeyDecoder::Wait::block:
      break;
  }
  // Curses may hold bytes it read ahead, which poll() cannot see.
  if (std::optional<RawKey> raw = readRaw(0)) return decoder.feed(*raw);
  waitForInput(waitMs);
  return std::nullopt;
}

std::optional<RawKey> TerminalConsole::Terminal::readRaw(int timeoutMs) {
  wtimeout(stdscr, timeoutMs);
  for (;;) {
    wint_t ch = 0;
    errno = 0;
    const int result = wget_wch(stdscr, &ch);
    if (result == ERR) {
      if (expectInput) {
        expectInput = false;
        if (errno == EIO || ++failedReads > kMaxFailedReads) throw InputClosed{};
      }
      return std::nullopt;
    }
    expectInput = false;
    failedReads = 0;
    if (result != KEY_CODE_YES) return RawKey::character(static_cast<char32_t>(ch));
    // resizeterm() queues this; the resize itself is handled through SIGWINCH.
    if (ch == KEY_RESIZE) continue;
    const char* name = keyname(static_cast<int>(ch));
    return RawKey::named(name != nullptr ? name : "");
  }
}

void TerminalConsole::Terminal::waitForInput(int waitMs) {
  std::array<pollfd, 2> fds = {{{fileno(input), POLLIN, 0}, {signals->wakeFd(), POLLIN, 0}}};
  if (poll(fds.data(), fds.size(), waitMs) <= 0) return;  // timeout or EINTR: flags say why
  if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) throw InputClosed{};
  if ((fds[0].revents & POLLIN) != 0) expectInput = true;
}

// True when the terminal has to be drawn again.
bool TerminalConsole::Terminal::handleSignals() {
  signals->drainWake();
  if (signals->quitRequested()) throw InputClosed{};
  const bool continued = signals->takeContinued();
  if (continued) resumeAfterStop();
  const bool resized = signals->takeResized();
  if (resized) onResize();
  return continued || resized;
}

void TerminalConsole::Terminal::onResize() {
  winsize size{};
  if (ioctl(fileno(output), TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0) {
    resizeterm(size.ws_row, size.ws_col);
  }
  // The terminal may have reflowed or cleared what it showed: draw it all anew.
  clearok(curscr, TRUE);
  shown.reset();
  cursor = CursorState{};
  noticeShown = false;
}

// After a stop the shell may have left the terminal in line mode and the
// keypad in its other mode.
void TerminalConsole::Terminal::resumeAfterStop() {
  reset_prog_mode();
  writeAll(fileno(output), capability("smkx"));
  onResize();
}

TerminalConsole::TerminalConsole(std::unique_ptr<Terminal> terminal)
    : terminal_(std::move(terminal)) {}

TerminalConsole::~TerminalConsole() {
  close();
}

std::unique_ptr<TerminalConsole> TerminalConsole::open(const TerminalOptions& options,
                                                       std::string& error) {
  const char* termName = std::getenv("TERM");
  if (termName == nullptr || *termName == '\0') {
    error = "TERM is not set or empty, so the terminal type is unknown";
    return nullptr;
  }
  auto terminal = std::make_unique<Terminal>(options);
  if (!terminal->start(termName, error)) return nullptr;
  return std::unique_ptr<TerminalConsole>(new TerminalConsole(std::move(terminal)));
}

void TerminalConsole::close() {
  terminal_->shutdown(&screen());
}

void TerminalConsole::setTitle(std::string_view title) {
  if (!terminal_->closed) terminal_->setTitle(title);
}

void TerminalConsole::setScreenSize(int columns, int rows) {
  screen().clearScreen();
  if (!terminal_->closed) terminal_->requestSize(columns, rows);
}

void TerminalConsole::flushKeys() {
  if (!terminal_->closed) terminal_->flushKeys();
}

std::optional<Key> TerminalConsole::nextKey() {
  try {
    Terminal& terminal = *terminal_;
    for (;;) {
      if (terminal.closed) return std::nullopt;
      terminal.render(screen());
      if (!terminal.fits()) {
        // Keys typed at the notice would act on a screen nobody sees: they
        // are dropped, except those that leave. The screen was never shown,
        // so it is not printed on the way out either.
        terminal.held.clear();
        if (const auto key = terminal.readStep(-1); key && leavesNotice(*key)) {
          terminal.shutdown(nullptr);
          return std::nullopt;
        }
        continue;
      }
      if (!terminal.held.empty()) {
        const Key key = terminal.held.front();
        terminal.held.pop_front();
        return key;
      }
      if (const auto key = terminal.readStep(-1)) terminal.hold(*key);
    }
  } catch (const InputClosed&) {
    return std::nullopt;
  }
}

GlyphSet TerminalConsole::glyphSet() const {
  return terminal_->utf8 ? GlyphSet::full : GlyphSet::ascii;
}

void TerminalConsole::playBeep() {
  if (!terminal_->closed) terminal_->beep();
}

}  // namespace bidgauge
