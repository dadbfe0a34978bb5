#include "console/ansi_text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/colors.hpp"

namespace bidgauge {
namespace {

std::uint8_t attr(int foreground, int background) {
  return static_cast<std::uint8_t>(foreground + 16 * background);
}

// On a terminal without colours the program's marked texts must still differ
// from the text around them.
TEST(TextLook, WithoutColoursMarkedTextsStandOut) {
  const auto look = [](int foreground, int background) {
    return textLook(attr(foreground, background), ColorDepth::none);
  };
  const TextLook typed = look(color::brightWhite, color::blue);
  const TextLook errorBar = look(color::brightWhite, color::magenta);
  const TextLook hint = look(color::blue, color::lightCyan);
  const TextLook label = look(color::yellow, color::blue);
  const TextLook dimmedLetters = look(color::darkGrey, color::blue);

  EXPECT_FALSE(typed.reverse);
  EXPECT_FALSE(label.reverse);
  EXPECT_TRUE(errorBar.reverse) << "the error bar and the quit question";
  EXPECT_TRUE(hint.reverse);
  EXPECT_TRUE(typed.bold) << "the initials H and E";
  EXPECT_FALSE(dimmedLetters.bold || dimmedLetters.reverse) << "the rest of Help and End";
  EXPECT_FALSE(look(color::lightGrey, color::black).bold);
}

TEST(TextLook, ColoursInAnsiOrder) {
  EXPECT_EQ(textLook(attr(color::yellow, color::blue), ColorDepth::sixteen),
            (TextLook{11, 4, false, false}));
  EXPECT_EQ(textLook(attr(color::yellow, color::lightCyan), ColorDepth::eight),
            (TextLook{3, 6, true, false}));
}

TEST(SgrSequence, StartsWithAResetOnlyWhenAsked) {
  EXPECT_EQ(sgrSequence(attr(14, 1), ColorDepth::sixteen), "\x1B[0;93;44m");
  EXPECT_EQ(sgrSequence(attr(14, 1), ColorDepth::sixteen, false), "\x1B[93;44m");
  EXPECT_EQ(sgrSequence(attr(15, 5), ColorDepth::none), "\x1B[0;1;7m");
  EXPECT_EQ(sgrSequence(attr(8, 1), ColorDepth::none), "\x1B[0m");
}

Screen sampleScreen() {
  Screen screen;
  screen.setColor(color::yellow, color::blue);
  screen.clearScreen();
  screen.printText("\x06 2\xAB");
  screen.setColor(color::brightWhite, color::keep);
  screen.printText(" \xC4");
  return screen;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    result.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  EXPECT_EQ(start, text.size()) << "every row ends in a newline";
  return result;
}

TEST(ScreenRowsText, PlainRowsAreTrimmed) {
  const Screen screen = sampleScreen();
  EXPECT_EQ(lines(screenRowsText(screen, 2, {GlyphSet::full, std::nullopt, false, 80})),
            (std::vector<std::string>{"\u2660 2\u00BD \u2500", ""}));
  EXPECT_EQ(lines(screenRowsText(screen, 1, {GlyphSet::ascii, std::nullopt, false, 80})),
            (std::vector<std::string>{"S 2+ -"}));
}

TEST(ScreenRowsText, ColouredRowsChangeColourOnlyWhereTheCellsDo) {
  const std::vector<std::string> rows =
      lines(screenRowsText(sampleScreen(), 25, {GlyphSet::ascii, ColorDepth::sixteen, false, 10}));
  ASSERT_EQ(rows.size(), 25u);
  EXPECT_EQ(rows[0], "\x1B[93;44mS 2+\x1B[97;44m -\x1B[93;44m    \x1B[0m");
  EXPECT_EQ(rows[24], "\x1B[93;44m" + std::string(10, ' ') + "\x1B[0m");
}

}  // namespace
}  // namespace bidgauge
