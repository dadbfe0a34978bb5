#pragma once

#include <cstddef>
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

// The UTF-8 character at the start of `bytes` (which must not be empty) and
// how many bytes it takes. A byte that starts no well-formed character stands
// alone, as the character of its own value.
struct Utf8Character {
  char32_t value = 0;
  std::size_t length = 1;
};
Utf8Character firstUtf8Character(std::string_view bytes);

// Appends the UTF-8 form of a Unicode character.
void appendUtf8(std::string& out, char32_t ch);

// UTF-8 text for a string of code page 437 bytes.
std::string cp437ToUtf8(std::string_view bytes);

// Line-drawing shapes for outputs without UTF-8, named as in the glyph names above.
enum class LineShape {
  none,
  horizontal,
  vertical,
  topLeft,
  topRight,
  bottomLeft,
  bottomRight,
  teeLeft,   // ├
  teeRight,  // ┤
  teeUp,     // ┴
  teeDown,   // ┬
  cross,
};

// A code page 437 byte in ASCII: the character to print, or the line shape to
// draw with a terminal's line characters (then `ch` is the plain stand-in).
// Suits become their initials; the half sign, which a cell cannot widen, '+'.
struct AsciiGlyph {
  char ch = '?';
  LineShape line = LineShape::none;

  friend bool operator==(const AsciiGlyph&, const AsciiGlyph&) = default;
};

AsciiGlyph asciiGlyph(unsigned char byte);

// What an output can show: every code page 437 glyph (written as UTF-8), or
// only ASCII, where glyphs become their stand-ins and values are spelled
// without the half sign ("2.5").
enum class GlyphSet { full, ascii };

// Code page 437 bytes as text for the glyph set: UTF-8, or the ASCII stand-ins
// one for one.
std::string cp437ToText(std::string_view bytes, GlyphSet glyphs);

}  // namespace bidgauge
