#include "terminal/terminal_style.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace bidgauge {
namespace {

std::uint8_t attr(int foreground, int background) {
  return static_cast<std::uint8_t>(foreground + 16 * background);
}

TEST(TerminalStyle, DosColoursSwapRedAndBlue) {
  const std::vector<int> curses = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};
  for (int dos = 0; dos < 16; ++dos) EXPECT_EQ(cursesColor(dos), curses[dos]) << dos;
}

TEST(TerminalStyle, ColourDepthFromTerminfo) {
  struct Case {
    int colors, pairs;
    ColorDepth depth;
  };
  const std::vector<Case> cases = {
      {256, 65536, ColorDepth::sixteen}, {16, 256, ColorDepth::sixteen},
      {16, 64, ColorDepth::eight},       {8, 64, ColorDepth::eight},
      {8, 32, ColorDepth::none},         {0, 0, ColorDepth::none},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(colorDepth(test.colors, test.pairs), test.depth) << test.colors << "/" << test.pairs;
  }
}

TEST(TerminalStyle, SixteenColoursGiveEveryCombinationItsOwnPair) {
  for (const std::uint8_t resting : {kPlainAttr, attr(15, 1), attr(14, 1), attr(0, 15)}) {
    std::set<int> pairs;
    for (int value = 0; value < 256; ++value) {
      const CellStyle style =
          cellStyle(static_cast<std::uint8_t>(value), ColorDepth::sixteen, resting);
      EXPECT_EQ(style.foreground, cursesColor(value & 15));
      EXPECT_EQ(style.background, cursesColor(value >> 4));
      EXPECT_FALSE(style.bold || style.reverse);
      EXPECT_LT(style.pair, 256);
      pairs.insert(style.pair);
    }
    EXPECT_EQ(pairs.size(), 256u) << int{resting};
    EXPECT_EQ(cellStyle(resting, ColorDepth::sixteen, resting).pair, 0) << int{resting};
  }
}

TEST(TerminalStyle, EightColoursShowBrightForegroundsAsBold) {
  const CellStyle brightWhiteOnBlue = cellStyle(attr(15, 1), ColorDepth::eight, kPlainAttr);
  EXPECT_EQ(brightWhiteOnBlue.foreground, 7);
  EXPECT_EQ(brightWhiteOnBlue.background, 4);
  EXPECT_TRUE(brightWhiteOnBlue.bold);

  // No bright backgrounds: light cyan shows as cyan.
  const CellStyle blueOnLightCyan = cellStyle(attr(1, 11), ColorDepth::eight, kPlainAttr);
  EXPECT_EQ(blueOnLightCyan.foreground, 4);
  EXPECT_EQ(blueOnLightCyan.background, 6);
  EXPECT_FALSE(blueOnLightCyan.bold);

  std::set<int> pairs;
  for (int value = 0; value < 256; ++value) {
    const auto cell = static_cast<std::uint8_t>(value);
    const CellStyle style = cellStyle(cell, ColorDepth::eight, attr(15, 1));
    EXPECT_EQ(style.bold, (value & 8) != 0);
    EXPECT_EQ(style.pair, cellStyle(cell & 0x77, ColorDepth::eight, attr(15, 1)).pair);
    pairs.insert(style.pair);
  }
  EXPECT_EQ(pairs.size(), 64u);
  EXPECT_EQ(*pairs.rbegin(), 63);
  EXPECT_EQ(cellStyle(attr(7, 1), ColorDepth::eight, attr(15, 1)).pair, 0);
}

TEST(TerminalStyle, WithoutColoursBoldAndReverseStandIn) {
  struct Case {
    std::uint8_t attr;
    bool bold, reverse;
  };
  const std::vector<Case> cases = {
      {attr(7, 0), false, false}, {attr(15, 1), true, false}, {attr(1, 11), false, true},
      {attr(14, 5), true, true},  {attr(0, 7), false, true},  {attr(7, 8), false, false},
  };
  for (const Case& test : cases) {
    const CellStyle style = cellStyle(test.attr, ColorDepth::none, kPlainAttr);
    EXPECT_EQ(style.pair, 0);
    EXPECT_EQ(style.bold, test.bold) << int{test.attr};
    EXPECT_EQ(style.reverse, test.reverse) << int{test.attr};
  }
}

TEST(TerminalStyle, SgrSequences) {
  struct Case {
    std::uint8_t attr;
    ColorDepth depth;
    std::string sgr;
  };
  const std::vector<Case> cases = {
      {attr(15, 1), ColorDepth::sixteen, "\x1B[0;97;44m"},
      {attr(14, 4), ColorDepth::sixteen, "\x1B[0;93;41m"},
      {attr(1, 11), ColorDepth::sixteen, "\x1B[0;34;106m"},
      {attr(7, 0), ColorDepth::sixteen, "\x1B[0;37;40m"},
      {attr(8, 1), ColorDepth::sixteen, "\x1B[0;90;44m"},
      {attr(15, 1), ColorDepth::eight, "\x1B[0;1;37;44m"},
      {attr(1, 11), ColorDepth::eight, "\x1B[0;34;46m"},
      {attr(15, 1), ColorDepth::none, "\x1B[0;1m"},
      {attr(1, 11), ColorDepth::none, "\x1B[0;7m"},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(sgrSequence(test.attr, test.depth), test.sgr) << int{test.attr};
  }
}

TEST(TerminalStyle, AsciiGlyphsWithoutUtf8) {
  for (int byte = 0x20; byte < 0x7F; ++byte) {
    EXPECT_EQ(asciiGlyph(static_cast<unsigned char>(byte)),
              (AsciiGlyph{static_cast<char>(byte), LineShape::none}));
  }
  struct Case {
    unsigned char byte;
    AsciiGlyph glyph;
  };
  const std::vector<Case> cases = {
      {0x03, {'H', LineShape::none}},        {0x04, {'D', LineShape::none}},
      {0x05, {'C', LineShape::none}},        {0x06, {'S', LineShape::none}},
      {0xAB, {'+', LineShape::none}},        {0xF6, {'/', LineShape::none}},
      {0x00, {' ', LineShape::none}},        {0x01, {'?', LineShape::none}},
      {0x82, {'?', LineShape::none}},        {0xC4, {'-', LineShape::horizontal}},
      {0xCD, {'-', LineShape::horizontal}},  {0xB3, {'|', LineShape::vertical}},
      {0xBA, {'|', LineShape::vertical}},    {0xDA, {'+', LineShape::topLeft}},
      {0xC9, {'+', LineShape::topLeft}},     {0xBF, {'+', LineShape::topRight}},
      {0xBB, {'+', LineShape::topRight}},    {0xC0, {'+', LineShape::bottomLeft}},
      {0xC8, {'+', LineShape::bottomLeft}},  {0xD9, {'+', LineShape::bottomRight}},
      {0xBC, {'+', LineShape::bottomRight}}, {0xC1, {'+', LineShape::teeUp}},
      {0xC2, {'+', LineShape::teeDown}},     {0xC3, {'+', LineShape::teeLeft}},
      {0xB4, {'+', LineShape::teeRight}},    {0xC5, {'+', LineShape::cross}},
  };
  for (const Case& test : cases) EXPECT_EQ(asciiGlyph(test.byte), test.glyph) << int{test.byte};
  for (int byte = 0xB3; byte <= 0xDA; ++byte) {
    EXPECT_NE(asciiGlyph(static_cast<unsigned char>(byte)).line, LineShape::none) << byte;
  }
}

}  // namespace
}  // namespace bidgauge
