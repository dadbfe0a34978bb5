#include "terminal/terminal_style.hpp"

#include <array>

namespace bidgauge {
namespace {

constexpr std::array<int, 8> kDosToCurses = {0, 4, 2, 6, 1, 5, 3, 7};

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

// Suits by their initials; the half sign as in "2+" for two and a half.
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

ColorDepth colorDepth(int colors, int colorPairs) {
  if (colors >= 16 && colorPairs >= 256) return ColorDepth::sixteen;
  if (colors >= 8 && colorPairs >= 64) return ColorDepth::eight;
  return ColorDepth::none;
}

int cursesColor(int dosColor) {
  return (dosColor & 8) | kDosToCurses[static_cast<std::size_t>(dosColor & 7)];
}

// Every colour combination has its own pair; XOR with the resting
// combination moves that one to pair 0.
CellStyle cellStyle(std::uint8_t attr, ColorDepth depth, std::uint8_t resting) {
  const int foreground = attr & 0x0F;
  const int background = attr >> 4;
  switch (depth) {
    case ColorDepth::sixteen: {
      const int fg = cursesColor(foreground);
      const int bg = cursesColor(background);
      const int pair = ((bg ^ cursesColor(resting >> 4)) << 4) | (fg ^ cursesColor(resting & 0x0F));
      return {pair, fg, bg, false, false};
    }
    case ColorDepth::eight: {
      const int fg = cursesColor(foreground & 7);
      const int bg = cursesColor(background & 7);
      const int pair =
          ((bg ^ cursesColor((resting >> 4) & 7)) << 3) | (fg ^ cursesColor(resting & 7));
      return {pair, fg, bg, foreground >= 8, false};
    }
    case ColorDepth::none:
      break;
  }
  const bool lightBackground = background == 7 || background >= 9;
  return {0, 7, 0, foreground >= 8, lightBackground};
}

std::string sgrSequence(std::uint8_t attr, ColorDepth depth) {
  const CellStyle style = cellStyle(attr, depth);
  std::string sgr = "\x1B[0";
  if (style.bold) sgr += ";1";
  if (style.reverse) sgr += ";7";
  if (depth != ColorDepth::none) {
    const int fg = style.foreground;
    const int bg = style.background;
    sgr += ';' + std::to_string(fg < 8 ? 30 + fg : 90 + fg - 8);
    sgr += ';' + std::to_string(bg < 8 ? 40 + bg : 100 + bg - 8);
  }
  return sgr + 'm';
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

}  // namespace bidgauge
