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

namespace bidgauge {
namespace {

// Every well-formed character reads back whole; a broken one leaves its first
// byte standing alone, so text is always consumed and never over-read.
TEST(FirstUtf8Character, ReadsWholeCharactersAndLeavesBrokenOnesByteByByte) {
  struct Case {
    std::string bytes;
    char32_t value;
    std::size_t length;
  };
  for (const Case& c : {
           Case{"A", U'A', 1},
           Case{"\xC2\xBD", U'\u00BD', 2},              // ½
           Case{"\xE2\x99\xA0x", U'\u2660', 3},         // ♠, then more text
           Case{"\xF0\x9F\x82\xA1", U'\U0001F0A1', 4},  // a playing card
           Case{"\xE2\x99", 0xE2, 1},                   // cut short
           Case{"\xE2(\xA0", 0xE2, 1},                  // not a continuation
           Case{"\xC0\x80", 0xC0, 1},                   // over-long form
           Case{"\xFF", 0xFF, 1},
       }) {
    const Utf8Character ch = firstUtf8Character(c.bytes);
    EXPECT_EQ(ch.value, c.value) << c.bytes;
    EXPECT_EQ(ch.length, c.length) << c.bytes;
  }
}

}  // namespace
}  // namespace bidgauge
