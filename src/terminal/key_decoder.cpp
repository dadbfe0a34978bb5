#include "terminal/key_decoder.hpp"

#include <array>
#include <string_view>

#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

// Scan codes of the cursor block: plain (Shift gives the same), with Ctrl, with
// Alt. `stem` begins terminfo's names for the modified keys ("kUP5"), `names`
// are the names of the plain key.
struct NavigationKey {
  std::string_view stem;
  int plain;
  int ctrl;
  int alt;
  std::array<std::string_view, 4> names;
};

// KEY_A1 and friends are the keypad corners; some terminals send Home and End
// as Find and Select.
constexpr std::array<NavigationKey, 10> kNavigationKeys = {{
    {"kHOM", 71, 119, 151, {"KEY_HOME", "KEY_A1", "KEY_FIND", "KEY_SHOME"}},
    {"kUP", 72, 141, 152, {"KEY_UP", "KEY_SR"}},
    {"kPRV", 73, 132, 153, {"KEY_PPAGE", "KEY_A3", "KEY_SPREVIOUS"}},
    {"kLFT", 75, 115, 155, {"KEY_LEFT", "KEY_SLEFT"}},
    {"kRIT", 77, 116, 157, {"KEY_RIGHT", "KEY_SRIGHT"}},
    {"kEND", 79, 117, 159, {"KEY_END", "KEY_C1", "KEY_SELECT", "KEY_SEND"}},
    {"kDN", 80, 145, 160, {"KEY_DOWN", "KEY_SF"}},
    {"kNXT", 81, 118, 161, {"KEY_NPAGE", "KEY_C3", "KEY_SNEXT"}},
    {"kIC", 82, 146, 162, {"KEY_IC", "KEY_SIC"}},
    {"kDC", 83, 147, 163, {"KEY_DC", "KEY_SDC"}},
}};

// Function keys: terminfo numbers F1-F12, then F13-F24 with Shift, F25-F36 with
// Ctrl, F37-F48 with Ctrl+Shift (no PC code) and F49-F60 with Alt.
struct FunctionKeyGroup {
  int firstTen;      // scan code of F1; F2 to F10 follow
  int elevenTwelve;  // scan code of F11; F12 follows
};
constexpr std::array<FunctionKeyGroup, 5> kFunctionKeyGroups = {{
    {59, 133},
    {84, 135},
    {94, 137},
    {0, 0},
    {104, 139},
}};
constexpr int kAltGroup = 4;

constexpr std::array<std::string_view, 3> kLetterRows = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
constexpr std::array<int, 3> kLetterRowScan = {16, 30, 44};

std::optional<Key> decodeCharacter(char32_t ch) {
  if (ch == 0) return Key::scan(3);  // Ctrl+@ is the PC's NUL key
  if (ch == 8 || ch == 0x7F) return keys::backspace;
  if (ch < 0x7F) return Key::character(static_cast<unsigned char>(ch));
  // A glyph whose byte is below 128 would read as a control key (the note
  // U+266A is byte 13, Enter): such characters mean nothing here.
  const unsigned char byte = unicodeToCp437(ch);
  if (byte < 0x80) return std::nullopt;
  return Key::character(byte);
}

std::optional<Key> decodeAlt(char32_t ch) {
  const char32_t upper =
      ch < 0x80 ? static_cast<unsigned char>(upperCasedLetter(static_cast<char>(ch))) : ch;
  if (upper < U'A' || upper > U'Z') return decodeCharacter(ch);  // Alt+other: the key itself
  for (std::size_t row = 0; row < kLetterRows.size(); ++row) {
    const std::size_t position = kLetterRows[row].find(static_cast<char>(upper));
    if (position != std::string_view::npos) {
      return Key::scan(kLetterRowScan[row] + static_cast<int>(position));
    }
  }
  return std::nullopt;
}

std::optional<Key> decodeFunctionKey(int number, bool alt) {
  const int index = (number - 1) % 12;
  int group = (number - 1) / 12;
  if (alt && group == 0) group = kAltGroup;
  const FunctionKeyGroup& codes = kFunctionKeyGroups[static_cast<std::size_t>(group)];
  if (codes.firstTen == 0) return std::nullopt;
  return Key::scan(index < 10 ? codes.firstTen + index : codes.elevenTwelve + index - 10);
}

// Extended names carry the modifiers as a number: 2 Shift, 3 Alt, 5 Ctrl and
// their sums plus one. The PC has no code for Ctrl+Alt on these keys.
std::optional<Key> decodeModifiedNavigation(std::string_view name) {
  const std::size_t digit = name.find_first_of("0123456789");
  if (digit == std::string_view::npos || digit + 1 != name.size()) return std::nullopt;
  const int modifiers = name[digit] - '1';
  const bool alt = (modifiers & 2) != 0;
  const bool ctrl = (modifiers & 4) != 0;
  for (const NavigationKey& navigation : kNavigationKeys) {
    if (navigation.stem != name.substr(0, digit)) continue;
    if (modifiers < 1 || (alt && ctrl)) return std::nullopt;
    return Key::scan(ctrl ? navigation.ctrl : alt ? navigation.alt : navigation.plain);
  }
  return std::nullopt;
}

// "KEY_F(13)" gives 13; anything else 0.
int functionKeyNumber(std::string_view name) {
  constexpr std::string_view prefix = "KEY_F(";
  if (!name.starts_with(prefix) || !name.ends_with(")")) return 0;
  int number = 0;
  for (const char digit : name.substr(prefix.size(), name.size() - prefix.size() - 1)) {
    if (digit < '0' || digit > '9' || number > 99) return 0;
    number = number * 10 + (digit - '0');
  }
  return number;
}

std::optional<Key> decodeNamedKey(std::string_view name, bool alt) {
  if (name == "KEY_ENTER") return keys::enter;
  if (name == "KEY_BACKSPACE") return keys::backspace;
  if (name == "KEY_BTAB") return Key::scan(15);
  if (const int number = functionKeyNumber(name); number >= 1 && number <= 60) {
    return decodeFunctionKey(number, alt);
  }
  for (const NavigationKey& navigation : kNavigationKeys) {
    for (const std::string_view navigationName : navigation.names) {
      if (!navigationName.empty() && navigationName == name) {
        return Key::scan(alt ? navigation.alt : navigation.plain);
      }
    }
  }
  // Mouse, resize and keys the PC keyboard does not have.
  return decodeModifiedNavigation(name);
}

bool isFinalByte(char32_t ch) {
  return ch >= 0x40 && ch <= 0x7E;
}
bool isParameterByte(char32_t ch) {
  return ch >= 0x20 && ch <= 0x3F;
}

}  // namespace

KeyDecoder::Wait KeyDecoder::nextWait() const {
  switch (state_) {
    case State::afterEscape:
      return Wait::immediate;
    case State::sequence:
      return Wait::brief;
    case State::idle:
      break;
  }
  return Wait::block;
}

std::optional<Key> KeyDecoder::feed(const RawKey& input) {
  switch (state_) {
    case State::afterEscape:
      return afterEscape(input);
    case State::sequence:
      return inSequence(input);
    case State::idle:
      break;
  }
  if (input.kind == RawKey::Kind::named) return decodeNamedKey(input.name, false);
  if (input.kind == RawKey::Kind::nothing) return std::nullopt;
  if (input.value == 0x1B) {
    state_ = State::afterEscape;
    return std::nullopt;
  }
  return decodeCharacter(input.value);
}

std::optional<Key> KeyDecoder::afterEscape(const RawKey& input) {
  state_ = State::idle;
  switch (input.kind) {
    case RawKey::Kind::nothing:
      return keys::escape;
    case RawKey::Kind::named:
      return decodeNamedKey(input.name, true);
    case RawKey::Kind::character:
      break;
  }
  if (input.value == 0x1B) {
    // Two Escapes: the first one is a key; the second may start Alt+key.
    state_ = State::afterEscape;
    return keys::escape;
  }
  if (input.value == '[' || input.value == 'O') {
    state_ = State::sequence;
    introducer_ = static_cast<char>(input.value);
    sequenceLength_ = 0;
    return std::nullopt;
  }
  return decodeAlt(input.value);
}

// What curses did not recognise as a key is swallowed up to its final byte.
// An introducer with nothing after it was Alt+[ or Alt+O typed by hand.
std::optional<Key> KeyDecoder::inSequence(const RawKey& input) {
  switch (input.kind) {
    case RawKey::Kind::nothing:
      state_ = State::idle;
      if (sequenceLength_ == 0) return decodeAlt(static_cast<unsigned char>(introducer_));
      return std::nullopt;
    case RawKey::Kind::named:
      state_ = State::idle;
      return decodeNamedKey(input.name, false);
    case RawKey::Kind::character:
      break;
  }
  if (isParameterByte(input.value)) {
    ++sequenceLength_;
    return std::nullopt;
  }
  state_ = State::idle;
  if (isFinalByte(input.value)) return std::nullopt;
  return decodeCharacter(input.value);  // not a sequence after all: a key typed on its own
}

}  // namespace bidgauge
