#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "hand/cp437.hpp"

namespace bidgauge {

// One key press as the program sees it: the code page 437 byte of a key that
// yields a character, or the PC scan code of a key that yields none (cursor
// and function keys, Alt+letter).
class Key {
 public:
  static constexpr Key character(unsigned char byte) { return Key(Kind::character, byte); }
  static constexpr Key scan(int scanCode) {
    return Key(Kind::scan, static_cast<std::uint8_t>(scanCode));
  }
  // From the program's key text: one byte, or 0 followed by a scan code.
  // Anything else is no key the keyboard can give, and reads as scan code 0.
  static constexpr Key fromText(std::string_view text) {
    if (text.size() == 1) return character(static_cast<unsigned char>(text[0]));
    if (text.size() == 2 && text[0] == '\0') return scan(static_cast<unsigned char>(text[1]));
    return scan(0);
  }

  constexpr bool isCharacter() const { return kind_ == Kind::character; }
  // The character's byte, or 0 for a key without one.
  constexpr unsigned char byte() const { return isCharacter() ? code_ : 0; }
  // The scan code, or 0 for a key that yields a character.
  constexpr int scanCode() const { return isCharacter() ? 0 : code_; }

  // Letters a to z become A to Z; every other key stays as it is.
  constexpr Key upperCased() const {
    return isCharacter()
               ? character(static_cast<unsigned char>(upperCasedLetter(static_cast<char>(code_))))
               : *this;
  }

  // The key text: one byte, or 0 and the scan code.
  std::string text() const {
    return isCharacter() ? std::string(1, static_cast<char>(code_))
                         : std::string{'\0', static_cast<char>(code_)};
  }

  friend constexpr bool operator==(Key, Key) = default;

 private:
  enum class Kind : std::uint8_t { character, scan };
  constexpr Key(Kind kind, std::uint8_t code) : kind_(kind), code_(code) {}

  Kind kind_;
  std::uint8_t code_;
};

// "'A'", "Enter", "F1", "scan 72": for test failures and diagnostics.
std::string describe(Key key);
std::ostream& operator<<(std::ostream& out, Key key);

namespace keys {
inline constexpr Key enter = Key::character(13);
inline constexpr Key escape = Key::character(27);
inline constexpr Key backspace = Key::character(8);
inline constexpr Key space = Key::character(' ');
inline constexpr Key f1 = Key::scan(59);
inline constexpr Key up = Key::scan(72);
inline constexpr Key pageDown = Key::scan(81);
}  // namespace keys

}  // namespace bidgauge
