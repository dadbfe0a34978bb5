#include "terminal/key_decoder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bidgauge {
namespace {

const RawKey kNothing = RawKey::none();
RawKey ch(char32_t value) {
  return RawKey::character(value);
}
// A key the terminal library recognised, by its terminfo name.
RawKey named(std::string name) {
  return RawKey::named(std::move(name));
}
std::string functionKey(int number) {
  return "KEY_F(" + std::to_string(number) + ")";
}
std::string scan(int value) {
  return std::string{'\0', static_cast<char>(value)};
}
std::string byte(int value) {
  return std::string(1, static_cast<char>(value));
}

// Feeds the reads in order and collects every key text produced.
std::vector<std::string> decode(const std::vector<RawKey>& reads) {
  KeyDecoder decoder;
  std::vector<std::string> keys;
  for (const RawKey& read : reads) {
    if (const std::optional<Key> key = decoder.feed(read)) keys.push_back(key->text());
  }
  return keys;
}

struct SingleCase {
  const char* label;
  RawKey read;
  std::vector<std::string> keys;  // empty: the read means no key
};

TEST(KeyDecoder, CharacterKeysGiveOneCodePage437Byte) {
  const std::vector<SingleCase> cases = {
      {"letter", ch('a'), {"a"}},
      {"capital", ch('Z'), {"Z"}},
      {"space", ch(' '), {" "}},
      {"tilde", ch('~'), {"~"}},
      {"Enter in raw mode", ch(13), {"\r"}},
      {"Ctrl+J", ch(10), {"\n"}},
      {"Backspace as BS", ch(8), {"\b"}},
      {"Backspace as DEL", ch(127), {"\b"}},
      {"Ctrl+C is a key", ch(3), {"\x03"}},
      {"Ctrl+Z is a key", ch(26), {"\x1A"}},
      {"Tab", ch(9), {"\t"}},
      {"Ctrl+@ is the NUL key", ch(0), {scan(3)}},
      {"e acute", ch(U'\u00E9'), {byte(0x82)}},
      {"one half", ch(U'\u00BD'), {byte(0xAB)}},
      {"no-break space", ch(U'\u00A0'), {byte(0xFF)}},
      {"box drawing", ch(U'\u2550'), {byte(0xCD)}},
      {"note glyph is not Enter", ch(U'\u266A'), {}},
      {"heart glyph is not Ctrl+C", ch(U'\u2665'), {}},
      {"house glyph is not DEL", ch(U'\u2302'), {}},
      {"no code page 437 byte", ch(U'\u4E2D'), {}},
      {"C1 control", ch(0x85), {}},
  };
  for (const SingleCase& test : cases) {
    EXPECT_EQ(decode({test.read}), test.keys) << test.label;
  }
}

TEST(KeyDecoder, KeysWithoutCharacterGiveScanCodes) {
  const std::vector<SingleCase> cases = {
      {"keypad Enter", named("KEY_ENTER"), {"\r"}},
      {"Backspace key", named("KEY_BACKSPACE"), {"\b"}},
      {"Shift+Tab", named("KEY_BTAB"), {scan(15)}},
      {"F11", named(functionKey(11)), {scan(133)}},
      {"F12", named(functionKey(12)), {scan(134)}},
      {"Shift+F11", named(functionKey(23)), {scan(135)}},
      {"Ctrl+F12", named(functionKey(36)), {scan(138)}},
      {"Alt+F12", named(functionKey(60)), {scan(140)}},
      {"Ctrl+Shift+F1", named(functionKey(37)), {}},
      {"Home", named("KEY_HOME"), {scan(71)}},
      {"Up", named("KEY_UP"), {scan(72)}},
      {"PgUp", named("KEY_PPAGE"), {scan(73)}},
      {"Left", named("KEY_LEFT"), {scan(75)}},
      {"Right", named("KEY_RIGHT"), {scan(77)}},
      {"End", named("KEY_END"), {scan(79)}},
      {"Down", named("KEY_DOWN"), {scan(80)}},
      {"PgDn", named("KEY_NPAGE"), {scan(81)}},
      {"Ins", named("KEY_IC"), {scan(82)}},
      {"Del", named("KEY_DC"), {scan(83)}},
      {"keypad 7", named("KEY_A1"), {scan(71)}},
      {"keypad 9", named("KEY_A3"), {scan(73)}},
      {"keypad 1", named("KEY_C1"), {scan(79)}},
      {"keypad 3", named("KEY_C3"), {scan(81)}},
      {"keypad 5", named("KEY_B2"), {}},
      {"Home sent as Find", named("KEY_FIND"), {scan(71)}},
      {"End sent as Select", named("KEY_SELECT"), {scan(79)}},
      {"Shift+Up", named("KEY_SR"), {scan(72)}},
      {"Shift+Down", named("KEY_SF"), {scan(80)}},
      {"Shift+Left", named("KEY_SLEFT"), {scan(75)}},
      {"Shift+Del", named("KEY_SDC"), {scan(83)}},
      {"mouse", named("KEY_MOUSE"), {}},
      {"resize", named("KEY_RESIZE"), {}},
      {"unknown key code", named("kFOO5"), {}},
  };
  for (const SingleCase& test : cases) {
    EXPECT_EQ(decode({test.read}), test.keys) << test.label;
  }
}

TEST(KeyDecoder, FunctionKeysWithModifiers) {
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(decode({named(functionKey(n))}), std::vector{scan(58 + n)}) << "F" << n;
    EXPECT_EQ(decode({named(functionKey(12 + n))}), std::vector{scan(83 + n)}) << "Shift+F" << n;
    EXPECT_EQ(decode({named(functionKey(24 + n))}), std::vector{scan(93 + n)}) << "Ctrl+F" << n;
    EXPECT_EQ(decode({named(functionKey(48 + n))}), std::vector{scan(103 + n)}) << "Alt+F" << n;
    EXPECT_EQ(decode({ch(27), named(functionKey(n))}), std::vector{scan(103 + n)}) << "Esc F" << n;
  }
}

// Extended terminfo names: 2 Shift, 3 Alt, 5 Ctrl, 6 Ctrl+Shift, 7 Ctrl+Alt.
TEST(KeyDecoder, ModifiedCursorKeysByName) {
  struct NamedCase {
    const char* stem;
    int plain, ctrl, alt;
  };
  const std::vector<NamedCase> cases = {
      {"kHOM", 71, 119, 151}, {"kUP", 72, 141, 152},  {"kPRV", 73, 132, 153},
      {"kLFT", 75, 115, 155}, {"kRIT", 77, 116, 157}, {"kEND", 79, 117, 159},
      {"kDN", 80, 145, 160},  {"kNXT", 81, 118, 161}, {"kIC", 82, 146, 162},
      {"kDC", 83, 147, 163},
  };
  for (const NamedCase& test : cases) {
    const std::string stem = test.stem;
    EXPECT_EQ(decode({named(stem + "2")}), std::vector{scan(test.plain)}) << stem;
    EXPECT_EQ(decode({named(stem + "3")}), std::vector{scan(test.alt)}) << stem;
    EXPECT_EQ(decode({named(stem + "5")}), std::vector{scan(test.ctrl)}) << stem;
    EXPECT_EQ(decode({named(stem + "6")}), std::vector{scan(test.ctrl)}) << stem;
    EXPECT_TRUE(decode({named(stem + "7")}).empty()) << stem;
  }
  EXPECT_EQ(decode({ch(27), named("KEY_DC")}), std::vector{scan(163)});
}

TEST(KeyDecoder, AltLettersArriveAsEscapeAndLetter) {
  const std::vector<std::pair<std::string, int>> rows = {
      {"QWERTYUIOP", 16}, {"ASDFGHJKL", 30}, {"ZXCVBNM", 44}};
  for (const auto& [letters, first] : rows) {
    for (std::size_t i = 0; i < letters.size(); ++i) {
      const int expected = first + static_cast<int>(i);
      const char upper = letters[i];
      const char lower = static_cast<char>(upper - 'A' + 'a');
      EXPECT_EQ(decode({ch(27), ch(static_cast<unsigned char>(lower))}),
                std::vector{scan(expected)})
          << "Alt+" << lower;
      // Escape O may begin a sequence: it is Alt+Shift+O once nothing follows.
      EXPECT_EQ(decode({ch(27), ch(static_cast<unsigned char>(upper)), kNothing}),
                std::vector{scan(expected)})
          << "Alt+Shift+" << upper;
    }
  }
}

struct SequenceCase {
  const char* label;
  std::vector<RawKey> reads;
  std::vector<std::string> keys;
};

TEST(KeyDecoder, EscapeSequences) {
  const std::vector<SequenceCase> cases = {
      {"lone Escape", {ch(27), kNothing}, {"\x1B"}},
      {"Escape twice", {ch(27), ch(27), kNothing}, {"\x1B", "\x1B"}},
      {"Escape then Alt+Q", {ch(27), ch(27), ch('q')}, {"\x1B", scan(16)}},
      {"Alt+digit is the digit", {ch(27), ch('1')}, {"1"}},
      {"Alt+Enter is Enter", {ch(27), ch(13)}, {"\r"}},
      {"unknown CSI swallowed", {ch(27), ch('['), ch('9'), ch('9'), ch('z'), ch('x')}, {"x"}},
      {"CSI with intermediates",
       {ch(27), ch('['), ch('?'), ch('1'), ch(';'), ch('2'), ch('$'), ch('y'), ch('k')},
       {"k"}},
      {"unknown SS3 swallowed", {ch(27), ch('O'), ch('z'), ch('y')}, {"y"}},
      {"cut-off sequence dropped", {ch(27), ch('['), ch('1'), kNothing, ch('a')}, {"a"}},
      {"Alt+[ typed by hand", {ch(27), ch('['), kNothing}, {"["}},
      {"Alt+O typed by hand", {ch(27), ch('O'), kNothing}, {scan(24)}},
      {"sequence broken by a key", {ch(27), ch('['), ch(U'\u00E9')}, {byte(0x82)}},
      {"sequence broken by a key code", {ch(27), ch('['), named("KEY_UP")}, {scan(72)}},
      {"Alt+Up", {ch(27), named("KEY_UP")}, {scan(152)}},
      {"nothing read while idle", {kNothing, ch('a')}, {"a"}},
  };
  for (const SequenceCase& test : cases) {
    EXPECT_EQ(decode(test.reads), test.keys) << test.label;
  }
}

TEST(KeyDecoder, WaitsBrieflyOnlyInsideASequence) {
  KeyDecoder decoder;
  EXPECT_EQ(decoder.nextWait(), KeyDecoder::Wait::block);
  decoder.feed(ch(27));
  EXPECT_EQ(decoder.nextWait(), KeyDecoder::Wait::immediate);
  decoder.feed(ch('['));
  EXPECT_EQ(decoder.nextWait(), KeyDecoder::Wait::brief);
  decoder.feed(ch('A'));
  EXPECT_EQ(decoder.nextWait(), KeyDecoder::Wait::block);
}

TEST(KeyDecoder, ResetForgetsAPendingEscape) {
  KeyDecoder decoder;
  decoder.feed(ch(27));
  decoder.reset();
  EXPECT_EQ(decoder.nextWait(), KeyDecoder::Wait::block);
  EXPECT_EQ(decoder.feed(ch('q')), Key::character('q'));
}

// Whatever arrives, a key text is one non-zero byte or 0 and a scan code, so
// it can never be mistaken for another kind of key.
TEST(KeyDecoder, EveryKeyTextIsWellFormed) {
  for (char32_t value = 0; value < 0x3000; ++value) {
    for (const bool afterEscape : {false, true}) {
      KeyDecoder decoder;
      if (afterEscape) decoder.feed(ch(27));
      const std::optional<Key> key = decoder.feed(ch(value));
      if (!key) continue;
      const std::string keyText = key->text();
      if (keyText.size() == 1) {
        EXPECT_NE(keyText[0], '\0') << static_cast<unsigned>(value);
      } else {
        ASSERT_EQ(keyText.size(), 2u) << static_cast<unsigned>(value);
        EXPECT_EQ(keyText[0], '\0') << static_cast<unsigned>(value);
      }
    }
  }
}

}  // namespace
}  // namespace bidgauge
