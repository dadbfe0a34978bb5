// Runs the program headless on the keys given as arguments and prints, as one
// JSON object, the screen it leaves: the 25 rows as text and as cell colours,
// the cursor, the title, the beeps and whether the user quit. A key is c<byte>
// for a key that yields a character or s<code> for one that yields a PC scan
// code:
//   bidgauge_screen_dump c75 c81 c13 s59
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "app/headless.hpp"
#include "batch/json_text.hpp"
#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

std::optional<Key> parseKey(std::string_view word) {
  if (word.size() < 2 || (word[0] != 'c' && word[0] != 's')) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(word.data() + 1, word.data() + word.size(), value);
  if (error != std::errc{} || end != word.data() + word.size() || value < 0 || value > 255) {
    return std::nullopt;
  }
  return word[0] == 'c' ? Key::character(static_cast<unsigned char>(value)) : Key::scan(value);
}

// Two hex digits a cell: foreground + 16 * background.
std::string rowAttributes(const Screen& screen, int row) {
  static constexpr std::string_view kDigits = "0123456789abcdef";
  std::string hex;
  for (int column = 1; column <= Screen::kColumns; ++column) {
    const std::uint8_t attr = screen.cell(row, column).attr;
    hex += kDigits[attr >> 4];
    hex += kDigits[attr & 0x0F];
  }
  return hex;
}

std::string screenJson(const ScriptedConsole& console, bool quit) {
  const Screen& screen = console.screen();
  std::string out = "{\"title\":";
  appendJsonString(out, console.title());
  out += ",\"quit\":" + std::string(quit ? "true" : "false");
  out += ",\"beeps\":" + std::to_string(console.beeps());
  out += ",\"cursor\":{\"row\":" + std::to_string(screen.cursorRow()) +
         ",\"column\":" + std::to_string(screen.cursorColumn()) +
         ",\"visible\":" + (screen.cursorVisible() ? "true" : "false") + "},\"rows\":[";
  for (int row = 1; row <= Screen::kRows; ++row) {
    if (row != 1) out += ',';
    appendJsonString(out, cp437ToUtf8(screen.rowText(row)));
  }
  out += "],\"attrs\":[";
  for (int row = 1; row <= Screen::kRows; ++row) {
    if (row != 1) out += ',';
    out += '"' + rowAttributes(screen, row) + '"';
  }
  return out + "]}\n";
}

}  // namespace
}  // namespace bidgauge

int main(int argc, char** argv) {
  using namespace bidgauge;
  ScriptedConsole console;
  for (int i = 1; i < argc; ++i) {
    const std::optional<Key> key = parseKey(argv[i]);
    if (!key) {
      std::fprintf(stderr, "bidgauge_screen_dump: not a key: %s\n", argv[i]);
      return 2;
    }
    console.press(*key);
  }
  InteractiveApp app(console);
  const bool quit = runScript(app, console);
  std::fputs(screenJson(console, quit).c_str(), stdout);
  return 0;
}
