#include "wincon/windows_console.hpp"

#include <windows.h>

#include <algorithm>
#include <array>
#include <deque>
#include <utility>
#include <vector>

#include "console/size_notice.hpp"
#include "hand/cp437.hpp"
#include "wincon/beep.hpp"
#include "wincon/control_events.hpp"
#include "wincon/key_events.hpp"
#include "wincon/screen_updates.hpp"

namespace bidgauge {
namespace {

// No key can ever arrive again: the window is closing, or the console is gone.
struct InputClosed {};

constexpr WORD kPlainAttr = 0x07;  // light grey on black, around and under the notice
constexpr int kWindowAttempts = 10;
constexpr DWORD kEventsPerRead = 64;
constexpr std::size_t kMaxHeldKeys = 4096;

// Q, Escape and Ctrl+C at the small-window notice.
bool leavesNotice(Key key) {
  return key.upperCased() == Key::character('Q') || key == keys::escape || key == Key::character(3);
}

HANDLE openConsoleDevice(const wchar_t* name) {
  return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     nullptr, OPEN_EXISTING, 0, nullptr);
}

void closeHandle(HANDLE& handle) {
  if (handle != INVALID_HANDLE_VALUE && handle != nullptr) CloseHandle(handle);
  handle = INVALID_HANDLE_VALUE;
}

SHORT toShort(int value) {
  return static_cast<SHORT>(value);
}

CHAR_INFO consoleCell(const Cell& cell) {
  CHAR_INFO info{};
  info.Char.UnicodeChar = static_cast<WCHAR>(consoleCharacter(cell.ch));
  info.Attributes = cell.attr;  // a console attribute is the PC's colour byte
  return info;
}

CHAR_INFO blankCell(WORD attr) {
  CHAR_INFO info{};
  info.Char.UnicodeChar = L' ';
  info.Attributes = attr;
  return info;
}

// Cells of a rectangle, row by row, into a buffer; the console clips what lies outside it.
void writeCells(HANDLE buffer, const std::vector<CHAR_INFO>& cells, SMALL_RECT region) {
  const COORD size{toShort(region.Right - region.Left + 1),
                   toShort(region.Bottom - region.Top + 1)};
  WriteConsoleOutputW(buffer, cells.data(), size, COORD{0, 0}, &region);
}

std::wstring titleText(std::string_view cp437) {
  std::wstring title;
  for (const char ch : cp437) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x20 || byte == 0x7F) continue;
    title += static_cast<wchar_t>(consoleCharacter(ch));
  }
  return title;
}

std::optional<std::wstring> currentTitle() {
  std::array<wchar_t, 1024> title{};
  SetLastError(ERROR_SUCCESS);
  const DWORD length = GetConsoleTitleW(title.data(), static_cast<DWORD>(title.size()));
  if (length == 0 && GetLastError() != ERROR_SUCCESS) return std::nullopt;
  return std::wstring(title.data(), std::min<std::size_t>(length, title.size() - 1));
}

struct CursorState {
  int row = -1;  // 0-based; -1 forces the next placement
  int column = -1;
  bool visible = false;

  friend bool operator==(const CursorState&, const CursorState&) = default;
};

}  // namespace

// Everything Win32: the console between open() and close().
struct WindowsConsole::Host {
  explicit Host(const WindowsConsoleOptions& hostOptions) : options(hostOptions) {}
  ~Host() { shutdown(nullptr); }
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // Start and end.
  bool start(std::string& error);
  bool openDevices(std::string& error);
  void shutdown(const Screen* lastScreen);
  void keepLastScreen(const Screen& screen);

  // Size and drawing.
  void resize(int columns, int rows);
  bool resizeBuffer(int columns, int rows);
  bool measure();
  bool fits() const { return windowColumns >= neededColumns && windowRows >= neededRows; }
  void render(const Screen& model);
  void clearBuffer();
  void writeRow(const Screen& model, const RowChange& change);
  void placeCursor(const CursorState& wanted);
  void showNotice();
  void setTitle(std::string_view title);

  // Keys and events.
  void waitAndRead();
  void take(const INPUT_RECORD& record);
  void hold(Key key);
  void flushKeys();

  WindowsConsoleOptions options;
  bool closed = false;
  HANDLE input = INVALID_HANDLE_VALUE;
  HANDLE original = INVALID_HANDLE_VALUE;  // the buffer the window showed before
  HANDLE buffer = INVALID_HANDLE_VALUE;    // the program's own
  std::optional<DWORD> savedInputMode;
  std::optional<std::wstring> savedTitle;
  std::optional<ControlEvents> controls;
  DWORD cursorSize = 25;
  COORD origin{0, 0};  // the window's top-left cell in the buffer
  int windowColumns = 0;
  int windowRows = 0;
  int neededColumns = Screen::kColumns;
  int neededRows = Screen::kRows;
  std::optional<Screen> shown;  // the model as last drawn; empty: draw every cell
  CursorState cursor;
  bool noticeShown = false;
  std::deque<Key> held;  // keys read but not yet handed out
};

bool WindowsConsole::Host::start(std::string& error) {
  if (!openDevices(error)) return false;
  if (DWORD mode = 0; GetConsoleMode(input, &mode) != FALSE) savedInputMode = mode;
  // No line editing, no echo and Ctrl+C as a key; size changes reported.
  SetConsoleMode(input, ENABLE_WINDOW_INPUT);
  controls.emplace();

  buffer =
      CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, CONSOLE_TEXTMODE_BUFFER, nullptr);
  if (buffer == INVALID_HANDLE_VALUE || SetConsoleActiveScreenBuffer(buffer) == FALSE) {
    error = "cannot create a screen buffer in the console (error " +
            std::to_string(GetLastError()) + ")";
    closeHandle(buffer);
    return false;
  }
  if (CONSOLE_CURSOR_INFO info{}; GetConsoleCursorInfo(buffer, &info) != FALSE) {
    cursorSize = info.dwSize;
  }
  measure();
  return true;
}

// Keys always come from the console input itself, whatever the standard
// streams are; a process started without a console gets one of its own.
bool WindowsConsole::Host::openDevices(std::string& error) {
  input = openConsoleDevice(L"CONIN$");
  if (input == INVALID_HANDLE_VALUE && AllocConsole() != FALSE) {
    input = openConsoleDevice(L"CONIN$");
  }
  original = openConsoleDevice(L"CONOUT$");
  if (input == INVALID_HANDLE_VALUE || original == INVALID_HANDLE_VALUE) {
    error = "no console to run in (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  return true;
}

void WindowsConsole::Host::shutdown(const Screen* lastScreen) {
  if (closed) return;
  closed = true;
  if (!options.quiet) stopBeep();
  if (buffer != INVALID_HANDLE_VALUE) {
    SetConsoleActiveScreenBuffer(original);
    if (lastScreen != nullptr && shown) keepLastScreen(*lastScreen);
    closeHandle(buffer);
  }
  if (savedInputMode) SetConsoleMode(input, *savedInputMode);
  if (savedTitle) SetConsoleTitleW(savedTitle->c_str());
  controls.reset();
  closeHandle(input);
  closeHandle(original);
}

// The window's own buffer shows the last screen where it showed its text:
// the rows worth keeping from its top-left corner, the rest of the window
// blank, and the cursor below them, so the prompt that follows stands where
// the program's cursor stood.
void WindowsConsole::Host::keepLastScreen(const Screen& screen) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(original, &info) == FALSE) return;
  const SMALL_RECT window = info.srWindow;
  const int width = window.Right - window.Left + 1;
  const int height = window.Bottom - window.Top + 1;
  const int lastRow = std::min(lastKeptRow(screen), height);
  std::vector<CHAR_INFO> cells(static_cast<std::size_t>(width) * height,
                               blankCell(info.wAttributes));
  for (int row = 1; row <= lastRow; ++row) {
    for (int column = 1; column <= std::min(width, Screen::kColumns); ++column) {
      cells[static_cast<std::size_t>((row - 1) * width + column - 1)] =
          consoleCell(screen.cell(row, column));
    }
  }
  writeCells(original, cells, window);
  if (lastRow < height) {
    SetConsoleCursorPosition(original, COORD{window.Left, toShort(window.Top + lastRow)});
    return;
  }
  // Every row is kept: a new line below the last one scrolls it up, as a
  // terminal would.
  SetConsoleCursorPosition(original, COORD{window.Left, window.Bottom});
  DWORD written = 0;
  WriteConsoleW(original, L"\n", 1, &written, nullptr);
}

void WindowsConsole::Host::resize(int columns, int rows) {
  neededColumns = std::max(columns, 1);
  neededRows = std::max(rows, 1);
  resizeBuffer(neededColumns, neededRows);
  measure();
  shown.reset();
}

// Buffer and window become the size asked for, so nothing can scroll sideways
// or back. A console that refuses (Windows Terminal sizes its own windows)
// keeps its buffer as it was: a larger window shows the screen in its top-left
// corner, a smaller one the notice.
bool WindowsConsole::Host::resizeBuffer(int columns, int rows) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(buffer, &info) == FALSE) return false;
  const COORD before = info.dwSize;
  // The window must lie inside the buffer at every step: first grow the
  // buffer, then fit the window, then cut the buffer down to it.
  const COORD larger{std::max(before.X, toShort(columns)), std::max(before.Y, toShort(rows))};
  const SMALL_RECT window{0, 0, toShort(columns - 1), toShort(rows - 1)};
  bool sized = SetConsoleScreenBufferSize(buffer, larger) != FALSE;
  bool windowSet = false;
  for (int attempt = 0; sized && attempt < kWindowAttempts && !windowSet; ++attempt) {
    SetConsoleWindowInfo(buffer, TRUE, &window);
    windowSet = GetConsoleScreenBufferInfo(buffer, &info) != FALSE &&
                info.srWindow.Right - info.srWindow.Left + 1 == columns &&
                info.srWindow.Bottom - info.srWindow.Top + 1 == rows;
  }
  sized = windowSet && SetConsoleScreenBufferSize(buffer, COORD{toShort(columns), toShort(rows)});
  if (!sized) SetConsoleScreenBufferSize(buffer, before);
  return sized;
}

// Reads the window's size and place; true when they changed.
bool WindowsConsole::Host::measure() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(buffer, &info) == FALSE) return false;
  const int columns = info.srWindow.Right - info.srWindow.Left + 1;
  const int rows = info.srWindow.Bottom - info.srWindow.Top + 1;
  const COORD corner{info.srWindow.Left, info.srWindow.Top};
  const bool changed = columns != windowColumns || rows != windowRows || corner.X != origin.X ||
                       corner.Y != origin.Y;
  windowColumns = columns;
  windowRows = rows;
  origin = corner;
  return changed;
}

void WindowsConsole::Host::render(const Screen& model) {
  if (!fits()) {
    if (!noticeShown) showNotice();
    return;
  }
  noticeShown = false;
  if (!shown) clearBuffer();
  if (!shown || shown->version() != model.version()) {
    for (const RowChange& change : changedRows(shown ? &*shown : nullptr, model)) {
      writeRow(model, change);
    }
    shown = model;
  }
  placeCursor({model.cursorRow() - 1, model.cursorColumn() - 1, model.cursorVisible()});
}

// Around the screen the window shows light grey on black.
void WindowsConsole::Host::clearBuffer() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(buffer, &info) == FALSE) return;
  const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
  DWORD written = 0;
  FillConsoleOutputCharacterW(buffer, L' ', cells, COORD{0, 0}, &written);
  FillConsoleOutputAttribute(buffer, kPlainAttr, cells, COORD{0, 0}, &written);
  cursor = CursorState{};
}

void WindowsConsole::Host::writeRow(const Screen& model, const RowChange& change) {
  std::vector<CHAR_INFO> cells;
  cells.reserve(static_cast<std::size_t>(change.last - change.first) + 1);
  for (int column = change.first; column <= change.last; ++column) {
    cells.push_back(consoleCell(model.cell(change.row, column)));
  }
  const SHORT top = toShort(origin.Y + change.row - 1);
  writeCells(buffer, cells,
             SMALL_RECT{toShort(origin.X + change.first - 1), top,
                        toShort(origin.X + change.last - 1), top});
}

void WindowsConsole::Host::placeCursor(const CursorState& wanted) {
  if (wanted == cursor) return;
  if (wanted.visible != cursor.visible || cursor.row < 0) {
    const CONSOLE_CURSOR_INFO info{cursorSize, wanted.visible ? TRUE : FALSE};
    SetConsoleCursorInfo(buffer, &info);
  }
  if (wanted.row != cursor.row || wanted.column != cursor.column) {
    SetConsoleCursorPosition(
        buffer, COORD{toShort(origin.X + wanted.column), toShort(origin.Y + wanted.row)});
  }
  cursor = wanted;
}

void WindowsConsole::Host::showNotice() {
  clearBuffer();
  const std::vector<std::string> lines =
      tooSmallNotice(windowColumns, windowRows, neededColumns, neededRows);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::vector<CHAR_INFO> cells;
    for (const char ch : lines[i]) cells.push_back(consoleCell(Cell{ch, kPlainAttr}));
    if (cells.empty()) continue;
    const SHORT row = toShort(origin.Y + static_cast<int>(i));
    writeCells(
        buffer, cells,
        SMALL_RECT{origin.X, row, toShort(origin.X + static_cast<int>(cells.size()) - 1), row});
  }
  const CONSOLE_CURSOR_INFO hidden{cursorSize, FALSE};
  SetConsoleCursorInfo(buffer, &hidden);
  cursor = CursorState{};
  shown.reset();
  noticeShown = true;
}

void WindowsConsole::Host::setTitle(std::string_view title) {
  if (!savedTitle) savedTitle = currentTitle();
  SetConsoleTitleW(titleText(title).c_str());
}

// Waits for console input or the end, then takes every event there is.
void WindowsConsole::Host::waitAndRead() {
  const std::array<HANDLE, 2> handles = {input, controls->wakeHandle()};
  const DWORD woke =
      WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, INFINITE);
  if (controls->endRequested() || woke == WAIT_FAILED) throw InputClosed{};
  if (woke != WAIT_OBJECT_0) return;
  std::array<INPUT_RECORD, kEventsPerRead> records{};
  DWORD count = 0;
  if (ReadConsoleInputW(input, records.data(), kEventsPerRead, &count) == FALSE) {
    throw InputClosed{};
  }
  for (DWORD i = 0; i < count; ++i) take(records[i]);
}

void WindowsConsole::Host::take(const INPUT_RECORD& record) {
  if (record.EventType == WINDOW_BUFFER_SIZE_EVENT) {
    // The console may have reflowed or cleared the buffer: draw it all anew.
    measure();
    shown.reset();
    noticeShown = false;
    return;
  }
  if (record.EventType != KEY_EVENT) return;  // mouse, focus and menu events
  const KEY_EVENT_RECORD& event = record.Event.KeyEvent;
  const std::optional<Key> key =
      keyOfEvent({event.bKeyDown != FALSE, event.wVirtualKeyCode, event.wVirtualScanCode,
                  static_cast<char16_t>(event.uChar.UnicodeChar), event.dwControlKeyState});
  if (!key) return;
  // A key held down arrives once with its count of repeats.
  for (WORD repeat = std::max<WORD>(event.wRepeatCount, 1); repeat > 0; --repeat) hold(*key);
}

void WindowsConsole::Host::hold(Key key) {
  if (held.size() < kMaxHeldKeys) held.push_back(key);
}

void WindowsConsole::Host::flushKeys() {
  FlushConsoleInputBuffer(input);
  held.clear();
}

WindowsConsole::WindowsConsole(std::unique_ptr<Host> host) : host_(std::move(host)) {}

WindowsConsole::~WindowsConsole() {
  close();
}

std::unique_ptr<WindowsConsole> WindowsConsole::open(const WindowsConsoleOptions& options,
                                                     std::string& error) {
  auto host = std::make_unique<Host>(options);
  if (!host->start(error)) return nullptr;
  return std::unique_ptr<WindowsConsole>(new WindowsConsole(std::move(host)));
}

void WindowsConsole::close() {
  host_->shutdown(&screen());
}

void WindowsConsole::setTitle(std::string_view title) {
  if (!host_->closed) host_->setTitle(title);
}

void WindowsConsole::setScreenSize(int columns, int rows) {
  screen().clearScreen();
  if (!host_->closed) host_->resize(columns, rows);
}

void WindowsConsole::flushKeys() {
  if (!host_->closed) host_->flushKeys();
}

std::optional<Key> WindowsConsole::nextKey() {
  try {
    Host& host = *host_;
    for (;;) {
      if (host.closed) return std::nullopt;
      host.render(screen());
      if (!host.fits()) {
        // Keys typed at the notice would act on a screen nobody sees: they
        // are dropped, except those that leave. The screen was never shown,
        // so it is not kept on the way out either.
        const bool leave = std::ranges::any_of(host.held, leavesNotice);
        host.held.clear();
        if (leave) {
          host.shutdown(nullptr);
          return std::nullopt;
        }
      } else if (!host.held.empty()) {
        const Key key = host.held.front();
        host.held.pop_front();
        return key;
      }
      host.waitAndRead();
    }
  } catch (const InputClosed&) {
    return std::nullopt;
  }
}

void WindowsConsole::playBeep() {
  if (!host_->closed && !host_->options.quiet) startBeep();
}

}  // namespace bidgauge
