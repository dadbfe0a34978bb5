#include "terminal/key_decoder.hpp"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

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

Key decodeCharacter(char32_t ch) {
  if (ch == 0) return Key::scan(3);  // Ctrl+@ is the PC's NUL key
  if (ch == 8 || ch == 0x7F) return keys::backspace;
  if (ch < 0x7F) return Key::character(static_cast<unsigned char>(ch));
  // A glyph whose byte is below 128 would read as a control key (the note
  // U+266A is byte 13, Enter).
  const unsigned char byte = unicodeToCp437(ch);
  if (byte < 0x80) return keys::unknown;
  return Key::character(byte);
}

Key decodeAlt(char32_t ch) {
  const char32_t upper =
      ch < 0x80 ? static_cast<unsigned char>(upperCasedLetter(static_cast<char>(ch))) : ch;
  if (upper < U'A' || upper > U'Z') return decodeCharacter(ch);  // Alt+other: the key itself
  for (std::size_t row = 0; row < kLetterRows.size(); ++row) {
    const std::size_t position = kLetterRows[row].find(static_cast<char>(upper));
    if (position != std::string_view::npos) {
      return Key::scan(kLetterRowScan[row] + static_cast<int>(position));
    }
  }
  return keys::unknown;
}

// Key numbers 1-60 as terminfo counts them (see kFunctionKeyGroups).
Key decodeFunctionKey(int number, bool alt) {
  if (number < 1 || number > 60) return keys::unknown;
  const int index = (number - 1) % 12;
  int group = (number - 1) / 12;
  if (alt && group == 0) group = kAltGroup;
  const FunctionKeyGroup& codes = kFunctionKeyGroups[static_cast<std::size_t>(group)];
  if (codes.firstTen == 0) return keys::unknown;
  return Key::scan(index < 10 ? codes.firstTen + index : codes.elevenTwelve + index - 10);
}

// Modifiers as terminals number them: 1 plus 1 for Shift, 2 for Alt, 4 for
// Ctrl. The PC has no code for Ctrl+Alt on these keys.
Key decodeNavigation(std::string_view stem, int modifierNumber) {
  const int modifiers = modifierNumber - 1;
  const bool alt = (modifiers & 2) != 0;
  const bool ctrl = (modifiers & 4) != 0;
  for (const NavigationKey& navigation : kNavigationKeys) {
    if (navigation.stem != stem) continue;
    if (modifiers < 0 || modifiers > 7 || (alt && ctrl)) return keys::unknown;
    return Key::scan(ctrl ? navigation.ctrl : alt ? navigation.alt : navigation.plain);
  }
  return keys::unknown;
}

// F1 to F12 with the terminal's modifier number.
Key decodeModifiedFunctionKey(int number, int modifierNumber) {
  switch (modifierNumber) {
    case 1:
      return decodeFunctionKey(number, false);
    case 2:  // Shift
      return decodeFunctionKey(number + 12, false);
    case 3:  // Alt
      return decodeFunctionKey(number, true);
    case 5:  // Ctrl
      return decodeFunctionKey(number + 24, false);
    default:
      return keys::unknown;
  }
}

// Extended terminfo names carry the modifier number as their last character ("kUP5").
Key decodeModifiedNavigation(std::string_view name) {
  const std::size_t digit = name.find_first_of("0123456789");
  if (digit == std::string_view::npos || digit + 1 != name.size()) return keys::unknown;
  return decodeNavigation(name.substr(0, digit), name[digit] - '0');
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
  // Neither is a key press; the program asks for no mouse events.
  if (name == "KEY_RESIZE" || name == "KEY_MOUSE") return std::nullopt;
  if (name == "KEY_ENTER") return keys::enter;
  if (name == "KEY_BACKSPACE") return keys::backspace;
  if (name == "KEY_BTAB") return Key::scan(15);
  if (const int number = functionKeyNumber(name); number != 0) {
    return decodeFunctionKey(number, alt);
  }
  for (const NavigationKey& navigation : kNavigationKeys) {
    for (const std::string_view navigationName : navigation.names) {
      if (!navigationName.empty() && navigationName == name) {
        return Key::scan(alt ? navigation.alt : navigation.plain);
      }
    }
  }
  // Modified keys, and keys the PC keyboard does not have.
  return decodeModifiedNavigation(name);
}

// What the keypad's keys type, in the order of kKeypadFinals: as on the main
// keyboard, so keypad 1 or 0 types a Ten and keypad - a void.
constexpr std::string_view kKeypadCharacters = "0123456789*+,-./=";
static_assert(kKeypadCharacters.size() == kKeypadFinals.size());

struct LetterKey {
  char final;
  std::string_view stem;  // a navigation key; empty for F1 to F4
  int functionKey;
};

// Final letters shared by ESC O and ESC [ forms.
constexpr std::array<LetterKey, 10> kLetterKeys = {{
    {'A', "kUP", 0},
    {'B', "kDN", 0},
    {'C', "kRIT", 0},
    {'D', "kLFT", 0},
    {'H', "kHOM", 0},
    {'F', "kEND", 0},
    {'P', "", 1},
    {'Q', "", 2},
    {'R', "", 3},
    {'S', "", 4},
}};

// ESC [ n ~: Home, Ins, Del, End, PgUp, PgDn, Home, End for n = 1 to 8.
constexpr std::array<std::string_view, 8> kTildeNavigation = {"kHOM", "kIC",  "kDC",  "kEND",
                                                              "kPRV", "kNXT", "kHOM", "kEND"};
// ESC [ n ~ for F1 to F12: n = 11 to 15, 17 to 21, 23 and 24.
constexpr std::array<int, 12> kTildeFunctionKeys = {11, 12, 13, 14, 15, 17, 18, 19, 20, 21, 23, 24};

// The numbers of a parameter string: "1;5" gives {1, 5}; empty fields are 0.
std::vector<int> parameterNumbers(std::string_view parameters) {
  std::vector<int> numbers(1, 0);
  for (const char ch : parameters) {
    if (ch == ';') {
      numbers.push_back(0);
    } else if (ch >= '0' && ch <= '9' && numbers.back() < 1000) {
      numbers.back() = numbers.back() * 10 + (ch - '0');
    } else {
      return {};  // intermediates or sub-parameters: no key of the PC's
    }
  }
  return numbers;
}

Key decodeLetterKey(const LetterKey& letter, int modifierNumber) {
  if (letter.functionKey != 0) {
    return decodeModifiedFunctionKey(letter.functionKey, modifierNumber);
  }
  return decodeNavigation(letter.stem, modifierNumber);
}

Key decodeTilde(int number, int modifierNumber) {
  if (number >= 1 && number <= static_cast<int>(kTildeNavigation.size())) {
    return decodeNavigation(kTildeNavigation[static_cast<std::size_t>(number - 1)], modifierNumber);
  }
  for (std::size_t i = 0; i < kTildeFunctionKeys.size(); ++i) {
    if (kTildeFunctionKeys[i] == number) {
      return decodeModifiedFunctionKey(static_cast<int>(i) + 1, modifierNumber);
    }
  }
  return keys::unknown;
}

// ESC O 5 P and ESC [ 1 ; 5 P both mean Ctrl+F1; no modifier is 1.
int modifierNumber(char introducer, const std::vector<int>& numbers) {
  int modifier = 1;
  if (numbers.size() == 2) {
    modifier = numbers[1];
  } else if (introducer == 'O') {
    modifier = numbers[0];
  }
  return std::max(1, modifier);
}

// A complete ESC O or ESC [ sequence that the terminal library did not know.
// Answers to terminal queries (a private marker such as '?') are no keys;
// every other sequence is one, known or not.
std::optional<Key> decodeSequence(char introducer, std::string_view parameters, char final) {
  if (!parameters.empty() && parameters.find_first_of("<=>?") == 0) return std::nullopt;
  const std::vector<int> numbers = parameterNumbers(parameters);
  if (numbers.empty() || numbers.size() > 2) return keys::unknown;
  const int modifier = modifierNumber(introducer, numbers);
  if (introducer == 'O' && parameters.empty()) {
    if (final == 'M') return keys::enter;
    if (final == 'I') return Key::character('\t');
    if (const std::size_t at = kKeypadFinals.find(final); at != std::string_view::npos) {
      return Key::character(static_cast<unsigned char>(kKeypadCharacters[at]));
    }
  }
  if (introducer == '[' && final == '~') return decodeTilde(numbers[0], modifier);
  if (introducer == '[' && final == 'Z' && parameters.empty()) return Key::scan(15);
  for (const LetterKey& letter : kLetterKeys) {
    if (letter.final == final) return decodeLetterKey(letter, modifier);
  }
  return keys::unknown;
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
    parameters_.clear();
    sequenceLength_ = 0;
    return std::nullopt;
  }
  return decodeAlt(input.value);
}

// What curses did not recognise as a key is read up to its final byte and
// decoded here. An introducer with nothing after it was Alt+[ or Alt+O typed
// by hand; a sequence cut off by the wait was still a key.
std::optional<Key> KeyDecoder::inSequence(const RawKey& input) {
  switch (input.kind) {
    case RawKey::Kind::nothing:
      state_ = State::idle;
      if (sequenceLength_ == 0) return decodeAlt(static_cast<unsigned char>(introducer_));
      return keys::unknown;
    case RawKey::Kind::named:
      state_ = State::idle;
      return decodeNamedKey(input.name, false);
    case RawKey::Kind::character:
      break;
  }
  if (isParameterByte(input.value)) {
    ++sequenceLength_;
    if (parameters_.size() < kMaxParameters) parameters_ += static_cast<char>(input.value);
    return std::nullopt;
  }
  state_ = State::idle;
  if (isFinalByte(input.value)) {
    if (sequenceLength_ > static_cast<int>(kMaxParameters)) return keys::unknown;
    return decodeSequence(introducer_, parameters_, static_cast<char>(input.value));
  }
  return decodeCharacter(input.value);  // not a sequence after all: a key typed on its own
}

std::vector<Key> decodeBurst(std::string_view bytes) {
  KeyDecoder decoder;
  std::vector<Key> keys;
  const auto take = [&keys](std::optional<Key> key) {
    if (key) keys.push_back(*key);
  };
  while (!bytes.empty()) {
    const auto [ch, length] = firstUtf8Character(bytes);
    bytes.remove_prefix(length);
    take(decoder.feed(RawKey::character(ch)));
  }
  // Then the waits run out.
  while (decoder.nextWait() != KeyDecoder::Wait::block) take(decoder.feed(RawKey::none()));
  return keys;
}

}  // namespace bidgauge
