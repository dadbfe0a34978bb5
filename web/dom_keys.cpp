#include "web/dom_keys.hpp"

#include <array>

#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

struct NamedKey {
  std::string_view name;
  Key key;
};

// Keys without a character, by their PC scan codes; Shift changes none of
// them but the function keys.
constexpr std::array<NamedKey, 13> kNamedKeys = {{
    {"Enter", keys::enter},
    {"Escape", keys::escape},
    {"Backspace", keys::backspace},
    {"Home", Key::scan(71)},
    {"ArrowUp", Key::scan(72)},
    {"PageUp", Key::scan(73)},
    {"ArrowLeft", Key::scan(75)},
    {"ArrowRight", Key::scan(77)},
    {"End", Key::scan(79)},
    {"ArrowDown", Key::scan(80)},
    {"PageDown", Key::scan(81)},
    {"Insert", Key::scan(82)},
    {"Delete", Key::scan(83)},
}};

// F1 to F10, then F11 and F12, plain and with Shift.
struct FunctionKeyCodes {
  int firstTen;
  int elevenTwelve;
};
constexpr FunctionKeyCodes kPlainFunctionKeys = {59, 133};
constexpr FunctionKeyCodes kShiftedFunctionKeys = {84, 135};

std::optional<Key> functionKey(std::string_view name, bool shift) {
  if (name.size() < 2 || name.size() > 3 || name[0] != 'F') return std::nullopt;
  int number = 0;
  for (const char digit : name.substr(1)) {
    if (digit < '0' || digit > '9') return std::nullopt;
    number = number * 10 + (digit - '0');
  }
  if (number < 1 || number > 12 || name[1] == '0') return std::nullopt;
  const FunctionKeyCodes codes = shift ? kShiftedFunctionKeys : kPlainFunctionKeys;
  return Key::scan(number <= 10 ? codes.firstTen + number - 1 : codes.elevenTwelve + number - 11);
}

// The one Unicode character `text` holds in UTF-8, or nothing.
std::optional<char32_t> singleCharacter(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (text.size() != length) return std::nullopt;
  if (length == 1) return lead;
  char32_t ch = lead & (0x7F >> length);
  for (const char byte : text.substr(1)) {
    if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) return std::nullopt;
    ch = ch << 6 | (static_cast<unsigned char>(byte) & 0x3F);
  }
  return ch;
}

// Printable ASCII as itself; anything else only as a code page 437 glyph above
// 127, since a byte below 32 would read as a control key.
std::optional<Key> characterKey(char32_t ch) {
  if (ch >= 0x20 && ch < 0x7F) return Key::character(static_cast<unsigned char>(ch));
  const unsigned char byte = unicodeToCp437(ch);
  if (byte < 0x80) return std::nullopt;
  return Key::character(byte);
}

}  // namespace

std::optional<Key> keyFromDom(const DomKey& event) {
  // AltGr arrives as Ctrl+Alt and yields a character on many layouts.
  const bool altGr = event.ctrl && event.alt;
  if (const std::optional<char32_t> ch = singleCharacter(event.key)) {
    const bool shortcut = event.meta || ((event.ctrl || event.alt) && !altGr);
    if (shortcut) return std::nullopt;
    return characterKey(*ch);
  }
  if (event.ctrl || event.alt || event.meta) return std::nullopt;
  for (const NamedKey& named : kNamedKeys) {
    if (named.name == event.key) return named.key;
  }
  return functionKey(event.key, event.shift);
}

}  // namespace bidgauge
