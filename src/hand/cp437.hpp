#pragma once

#include <string>
#include <string_view>

namespace bidgauge {

// Code page 437 bytes the program draws with.
namespace glyph {
inline constexpr char heart = '\x03';
inline constexpr char diamond = '\x04';
inline constexpr char club = '\x05';
inline constexpr char spade = '\x06';
inline constexpr char half = '\xAB';
inline constexpr char divide = '\xF6';
inline constexpr char horizontal = '\xC4';
inline constexpr char vertical = '\xB3';
inline constexpr char topLeft = '\xDA';
inline constexpr char topRight = '\xBF';
inline constexpr char bottomLeft = '\xC0';
inline constexpr char bottomRight = '\xD9';
inline constexpr char teeUp = '\xC1';
inline constexpr char teeDown = '\xC2';
inline constexpr char doubleHorizontal = '\xCD';
inline constexpr char doubleVertical = '\xBA';
inline constexpr char doubleTopLeft = '\xC9';
inline constexpr char doubleTopRight = '\xBB';
inline constexpr char doubleBottomLeft = '\xC8';
inline constexpr char doubleBottomRight = '\xBC';
}  // namespace glyph

// Letters a to z as A to Z; every other byte as it is.
constexpr char upperCasedLetter(char ch) {
  return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// The Unicode character that shows a code page 437 byte (bytes below 32 are glyphs too).
char32_t cp437ToUnicode(unsigned char byte);

// The code page 437 byte for a Unicode character, or 0 when it has none.
unsigned char unicodeToCp437(char32_t ch);

// Appends the UTF-8 form of a Unicode character.
void appendUtf8(std::string& out, char32_t ch);

// UTF-8 text for a string of code page 437 bytes.
std::string cp437ToUtf8(std::string_view bytes);

}  // namespace bidgauge
