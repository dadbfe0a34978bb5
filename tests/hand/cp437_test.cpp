#include "hand/cp437.hpp"

#include <gtest/gtest.h>

namespace bidgauge {
namespace {

TEST(Cp437Text, FullGlyphsAreUtf8AndAsciiStandsInOneForOne) {
  const std::string text = "\x06 AK\xAB \xDA\xC4\xBF \x82";
  EXPECT_EQ(cp437ToText(text, GlyphSet::full), "\u2660 AK\u00BD \u250C\u2500\u2510 \u00E9");
  EXPECT_EQ(cp437ToText(text, GlyphSet::ascii), "S AK+ +-+ ?");
  EXPECT_EQ(cp437ToText("Honor Tricks: 2.5", GlyphSet::ascii), "Honor Tricks: 2.5");
}

}  // namespace
}  // namespace bidgauge
