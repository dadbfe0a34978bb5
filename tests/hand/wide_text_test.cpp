#include "hand/wide_text.hpp"

#include <gtest/gtest.h>

#include <random>

namespace bidgauge {
namespace {

TEST(WideText, ConvertsEachFormOfCharacterBothWays) {
  struct Case {
    std::u16string utf16;
    std::string utf8;
  };
  for (const Case& c : {
           Case{u"deals.pbn", "deals.pbn"},
           Case{u"h\u00E4nde \u2660.txt", "h\xC3\xA4nde \xE2\x99\xA0.txt"},
           Case{u"\U0001F0A1", "\xF0\x9F\x82\xA1"},  // a pair of surrogates
           Case{u"a\xD800z", "a\xED\xA0\x80z"},      // an unpaired high surrogate
           Case{u"\xDC00", "\xED\xB0\x80"},          // an unpaired low surrogate
           Case{u"", ""},
       }) {
    EXPECT_EQ(utf8FromUtf16(c.utf16), c.utf8);
    EXPECT_EQ(utf16FromUtf8(c.utf8), c.utf16);
  }
}

TEST(WideText, BytesFormingNoCharacterBecomeReplacementCharacters) {
  EXPECT_EQ(utf16FromUtf8("a\xFF"
                          "b"),
            u"a\uFFFDb");
  EXPECT_EQ(utf16FromUtf8("\xE2\x99"), u"\uFFFD\uFFFD");                      // cut short
  EXPECT_EQ(utf16FromUtf8("\xC0\x80"), u"\uFFFD\uFFFD");                      // over-long
  EXPECT_EQ(utf16FromUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // beyond U+10FFFF
}

// Any sequence of UTF-16 units, surrogates in any order included, survives the
// trip through UTF-8: a Windows file name reaches the file it names.
TEST(WideText, EveryUtf16SequenceComesBackFromUtf8) {
  std::mt19937 random(23);
  std::uniform_int_distribution<int> unit(0, 0xFFFF);
  std::uniform_int_distribution<int> surrogate(0xD800, 0xDFFF);
  std::uniform_int_distribution<int> length(0, 12);
  for (int trial = 0; trial < 5000; ++trial) {
    std::u16string text;
    for (int i = length(random); i > 0; --i) {
      text += static_cast<char16_t>(i % 3 == 0 ? surrogate(random) : unit(random));
    }
    ASSERT_EQ(utf16FromUtf8(utf8FromUtf16(text)), text);
  }
}

}  // namespace
}  // namespace bidgauge
