#include "console/ansi_text.hpp"

#include <algorithm>
#include <array>

namespace bidgauge {
namespace {

constexpr std::array<int, 8> kDosToAnsi = {0, 4, 2, 6, 1, 5, 3, 7};

constexpr int kDarkGrey = 8;

// The backgrounds the program's screens rest on, and dark grey, which looks
// like them on a terminal without colours.
bool darkBackground(int background) {
  return background == 0 || background == 1 || background == kDarkGrey;
}

int sgrColor(int ansi, int base) {
  return ansi < 8 ? base + ansi : base + 60 + ansi - 8;
}

std::string rowText(const Screen& screen, int row, const RowTextFormat& format) {
  const int width = std::clamp(format.width, 1, Screen::kColumns);
  std::string out;
  int attr = -1;
  for (int column = 1; column <= width; ++column) {
    const Cell& cell = screen.cell(row, column);
    if (format.colors && cell.attr != attr) {
      attr = cell.attr;
      out += sgrSequence(cell.attr, *format.colors, format.fromScratch);
    }
    const auto byte = static_cast<unsigned char>(cell.ch);
    if (format.glyphs == GlyphSet::full) {
      appendUtf8(out, cp437ToUnicode(byte));
    } else {
      out += asciiGlyph(byte).ch;
    }
  }
  if (!format.colors) {
    out.erase(out.find_last_not_of(' ') + 1);
    return out;
  }
  out += "\x1B[0m";
  if (format.eraseRight) out += "\x1B[K";
  return out;
}

}  // namespace

int ansiColor(int dosColor) {
  return (dosColor & 8) | kDosToAnsi[static_cast<std::size_t>(dosColor & 7)];
}

TextLook textLook(std::uint8_t attr, ColorDepth depth) {
  const int foreground = attr & 0x0F;
  const int background = attr >> 4;
  switch (depth) {
    case ColorDepth::sixteen:
      return {ansiColor(foreground), ansiColor(background), false, false};
    case ColorDepth::eight:
      return {ansiColor(foreground & 7), ansiColor(background & 7), foreground >= 8, false};
    case ColorDepth::none:
      break;
  }
  return {7, 0, foreground > kDarkGrey, !darkBackground(background)};
}

std::string sgrSequence(std::uint8_t attr, ColorDepth depth, bool fromScratch) {
  const TextLook look = textLook(attr, depth);
  std::string parameters = fromScratch ? "0" : "";
  const auto add = [&parameters](int value) {
    if (!parameters.empty()) parameters += ';';
    parameters += std::to_string(value);
  };
  if (look.bold) add(1);
  if (look.reverse) add(7);
  if (depth != ColorDepth::none) {
    add(sgrColor(look.foreground, 30));
    add(sgrColor(look.background, 40));
  }
  return "\x1B[" + parameters + 'm';
}

std::string screenRowsText(const Screen& screen, int lastRow, const RowTextFormat& format) {
  std::string text;
  for (int row = 1; row <= std::min(lastRow, Screen::kRows); ++row) {
    text += rowText(screen, row, format);
    text += '\n';
  }
  return text;
}

}  // namespace bidgauge
