#include "console/key.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace bidgauge {
namespace {

// The key text is what the entry line and the help compare against, so it
// must round-trip and keep characters and scan codes apart.
TEST(Key, TextRoundTripsForEveryByteAndScanCode) {
  for (int code = 0; code < 256; ++code) {
    const Key character = Key::character(static_cast<unsigned char>(code));
    const Key scan = Key::scan(code);
    EXPECT_EQ(Key::fromText(character.text()), character) << code;
    EXPECT_EQ(Key::fromText(scan.text()), scan) << code;
    EXPECT_NE(character, scan) << code;
    EXPECT_TRUE(character.isCharacter());
    EXPECT_FALSE(scan.isCharacter());
    EXPECT_EQ(character.byte(), code);
    EXPECT_EQ(scan.scanCode(), code);
  }
}

TEST(Key, TextsTheKeyboardCannotGiveReadAsScanCodeZero) {
  EXPECT_EQ(Key::fromText(""), Key::scan(0));
  EXPECT_EQ(Key::fromText("AB"), Key::scan(0));
  EXPECT_EQ(Key::fromText(std::string("\0\1\2", 3)), Key::scan(0));
}

TEST(Key, UpperCasingChangesOnlyLetters) {
  EXPECT_EQ(Key::character('a').upperCased(), Key::character('A'));
  EXPECT_EQ(Key::character('z').upperCased(), Key::character('Z'));
  EXPECT_EQ(Key::character('Q').upperCased(), Key::character('Q'));
  EXPECT_EQ(Key::character('1').upperCased(), Key::character('1'));
  EXPECT_EQ(Key::character(0x82).upperCased(), Key::character(0x82));  // é stays
  // Scan codes that share a byte value with a letter are not letters.
  EXPECT_EQ(Key::scan('a').upperCased(), Key::scan('a'));
  static_assert(Key::character('h').upperCased() == Key::character('H'));
}

TEST(Key, PrintsReadablyInTestFailures) {
  std::ostringstream out;
  out << Key::character('A') << ", " << keys::enter << ", " << keys::f1 << ", " << Key::scan(72);
  EXPECT_EQ(out.str(), "'A', Enter, F1, scan 72");
}

}  // namespace
}  // namespace bidgauge
