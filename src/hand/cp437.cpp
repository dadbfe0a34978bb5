#include "hand/cp437.hpp"

#include <array>

namespace bidgauge {
namespace {

// clang-format off
constexpr std::array<char16_t, 32> kControlGlyphs = {
    u' ',      u'\u263A', u'\u263B', u'\u2665', u'\u2666', u'\u2663', u'\u2660', u'\u2022',
    u'\u25D8', u'\u25CB', u'\u25D9', u'\u2642', u'\u2640', u'\u266A', u'\u266B', u'\u263C',
    u'\u25BA', u'\u25C4', u'\u2195', u'\u203C', u'\u00B6', u'\u00A7', u'\u25AC', u'\u21A8',
    u'\u2191', u'\u2193', u'\u2192', u'\u2190', u'\u221F', u'\u2194', u'\u25B2', u'\u25BC'};

constexpr std::array<char16_t, 128> kHighGlyphs = {
    u'\u00C7', u'\u00FC', u'\u00E9', u'\u00E2', u'\u00E4', u'\u00E0', u'\u00E5', u'\u00E7',
    u'\u00EA', u'\u00EB', u'\u00E8', u'\u00EF', u'\u00EE', u'\u00EC', u'\u00C4', u'\u00C5',
    u'\u00C9', u'\u00E6', u'\u00C6', u'\u00F4', u'\u00F6', u'\u00F2', u'\u00FB', u'\u00F9',
    u'\u00FF', u'\u00D6', u'\u00DC', u'\u00A2', u'\u00A3', u'\u00A5', u'\u20A7', u'\u0192',
    u'\u00E1', u'\u00ED', u'\u00F3', u'\u00FA', u'\u00F1', u'\u00D1', u'\u00AA', u'\u00BA',
    u'\u00BF', u'\u2310', u'\u00AC', u'\u00BD', u'\u00BC', u'\u00A1', u'\u00AB', u'\u00BB',
    u'\u2591', u'\u2592', u'\u2593', u'\u2502', u'\u2524', u'\u2561', u'\u2562', u'\u2556',
    u'\u2555', u'\u2563', u'\u2551', u'\u2557', u'\u255D', u'\u255C', u'\u255B', u'\u2510',
    u'\u2514', u'\u2534', u'\u252C', u'\u251C', u'\u2500', u'\u253C', u'\u255E', u'\u255F',
    u'\u255A', u'\u2554', u'\u2569', u'\u2566', u'\u2560', u'\u2550', u'\u256C', u'\u2567',
    u'\u2568', u'\u2564', u'\u2565', u'\u2559', u'\u2558', u'\u2552', u'\u2553', u'\u256B',
    u'\u256A', u'\u2518', u'\u250C', u'\u2588', u'\u2584', u'\u258C', u'\u2590', u'\u2580',
    u'\u03B1', u'\u00DF', u'\u0393', u'\u03C0', u'\u03A3', u'\u03C3', u'\u00B5', u'\u03C4',
    u'\u03A6', u'\u0398', u'\u03A9', u'\u03B4', u'\u221E', u'\u03C6', u'\u03B5', u'\u2229',
    u'\u2261', u'\u00B1', u'\u2265', u'\u2264', u'\u2320', u'\u2321', u'\u00F7', u'\u2248',
    u'\u00B0', u'\u2219', u'\u00B7', u'\u221A', u'\u207F', u'\u00B2', u'\u25A0', u'\u00A0'};
// clang-format on

// Code page 437 bytes 179 to 218, the box-drawing block; double lines become single ones.
constexpr unsigned char kFirstBoxByte = 179;
constexpr std::array<LineShape, 40> kBoxShapes = {
    LineShape::vertical,   LineShape::teeRight,    LineShape::teeRight,    LineShape::teeRight,
    LineShape::topRight,   LineShape::topRight,    LineShape::teeRight,    LineShape::vertical,
    LineShape::topRight,   LineShape::bottomRight, LineShape::bottomRight, LineShape::bottomRight,
    LineShape::topRight,   LineShape::bottomLeft,  LineShape::teeUp,       LineShape::teeDown,
    LineShape::teeLeft,    LineShape::horizontal,  LineShape::cross,       LineShape::teeLeft,
    LineShape::teeLeft,    LineShape::bottomLeft,  LineShape::topLeft,     LineShape::teeUp,
    LineShape::teeDown,    LineShape::teeLeft,     LineShape::horizontal,  LineShape::cross,
    LineShape::teeUp,      LineShape::teeUp,       LineShape::teeDown,     LineShape::teeDown,
    LineShape::bottomLeft, LineShape::bottomLeft,  LineShape::topLeft,     LineShape::topLeft,
    LineShape::cross,      LineShape::cross,       LineShape::bottomRight, LineShape::topLeft,
};

struct Substitute {
  unsigned char byte;
  char ch;
};

constexpr std::array<Substitute, 8> kSubstitutes = {{
    {0x00, ' '},
    {0x03, 'H'},
    {0x04, 'D'},
    {0x05, 'C'},
    {0x06, 'S'},
    {0xAB, '+'},
    {0xF6, '/'},
    {0xFF, ' '},
}};

char lineStandIn(LineShape shape) {
  if (shape == LineShape::horizontal) return '-';
  if (shape == LineShape::vertical) return '|';
  return '+';
}

}  // namespace

char32_t cp437ToUnicode(unsigned char byte) {
  if (byte < 32) return kControlGlyphs[byte];
  if (byte == 0x7F) return U'\u2302';
  if (byte < 0x80) return byte;
  return kHighGlyphs[byte - 0x80];
}

unsigned char unicodeToCp437(char32_t ch) {
  if (ch >= 32 && ch < 0x7F) return static_cast<unsigned char>(ch);
  for (int byte = 1; byte < 256; ++byte) {
    if (byte >= 32 && byte < 0x7F) continue;
    if (cp437ToUnicode(static_cast<unsigned char>(byte)) == ch) {
      return static_cast<unsigned char>(byte);
    }
  }
  return 0;
}

void appendUtf8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (ch >> 18));
    out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

std::string cp437ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char byte : bytes) appendUtf8(out, cp437ToUnicode(static_cast<unsigned char>(byte)));
  return out;
}

AsciiGlyph asciiGlyph(unsigned char byte) {
  if (byte >= 0x20 && byte < 0x7F) return {static_cast<char>(byte), LineShape::none};
  if (byte >= kFirstBoxByte && byte < kFirstBoxByte + kBoxShapes.size()) {
    const LineShape shape = kBoxShapes[byte - kFirstBoxByte];
    return {lineStandIn(shape), shape};
  }
  for (const Substitute& substitute : kSubstitutes) {
    if (substitute.byte == byte) return {substitute.ch, LineShape::none};
  }
  return {};
}

std::string cp437ToText(std::string_view bytes, GlyphSet glyphs) {
  if (glyphs == GlyphSet::full) return cp437ToUtf8(bytes);
  std::string out;
  out.reserve(bytes.size());
  for (const char byte : bytes) out += asciiGlyph(static_cast<unsigned char>(byte)).ch;
  return out;
}

Utf8Character firstUtf8Character(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  const std::size_t length = lead < 0xC2   ? 1
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 1;
  if (length == 1 || length > bytes.size()) return {lead, 1};
  char32_t value = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(bytes[i]);
    if ((next & 0xC0) != 0x80) return {lead, 1};
    value = (value << 6) | (next & 0x3F);
  }
  return {value, length};
}

}  // namespace bidgauge
