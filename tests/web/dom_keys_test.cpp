#include "web/dom_keys.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace bidgauge {
namespace {

struct Case {
  DomKey event;
  std::optional<Key> expected;
};

void expectKeys(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(keyFromDom(c.event), c.expected)
        << "key \"" << c.event.key << "\" shift " << c.event.shift << " ctrl " << c.event.ctrl
        << " alt " << c.event.alt << " meta " << c.event.meta;
  }
}

TEST(DomKeys, PrintableKeysGiveTheirCharacterAsTyped) {
  expectKeys({
      {{"a"}, Key::character('a')},
      {{"K", true}, Key::character('K')},
      {{"7"}, Key::character('7')},
      {{" "}, keys::space},
      {{"-"}, Key::character('-')},
      {{"~", true}, Key::character('~')},
  });
}

TEST(DomKeys, EnterEscapeAndBackspaceGiveTheirControlBytes) {
  expectKeys({
      {{"Enter"}, keys::enter},
      {{"Escape"}, keys::escape},
      {{"Backspace"}, keys::backspace},
  });
}

TEST(DomKeys, CursorBlockKeysGiveThePcScanCodesWithOrWithoutShift) {
  expectKeys({
      {{"Home"}, Key::scan(71)},
      {{"ArrowUp"}, keys::up},
      {{"PageUp"}, Key::scan(73)},
      {{"ArrowLeft"}, Key::scan(75)},
      {{"ArrowRight"}, Key::scan(77)},
      {{"End"}, Key::scan(79)},
      {{"ArrowDown"}, Key::scan(80)},
      {{"PageDown"}, keys::pageDown},
      {{"Insert"}, Key::scan(82)},
      {{"Delete"}, Key::scan(83)},
      {{"PageDown", true}, keys::pageDown},
  });
}

TEST(DomKeys, FunctionKeysGiveTheirScanCodesAndShiftMovesThem) {
  expectKeys({
      {{"F1"}, keys::f1},
      {{"F2"}, Key::scan(60)},
      {{"F10"}, Key::scan(68)},
      {{"F11"}, Key::scan(133)},
      {{"F12"}, Key::scan(134)},
      {{"F1", true}, Key::scan(84)},
      {{"F10", true}, Key::scan(93)},
      {{"F12", true}, Key::scan(136)},
      {{"F13"}, std::nullopt},
      {{"F0"}, std::nullopt},
      {{"F01"}, std::nullopt},
      {{"Fx"}, std::nullopt},
  });
}

TEST(DomKeys, GlyphsOfCodePage437GiveTheirByte) {
  expectKeys({
      {{"\xC3\xA9"}, Key::character(0x82)},  // é
      {{"\xC2\xBD"}, Key::character(0xAB)},  // ½
      {{"\xE2\x99\xA0"}, std::nullopt},      // ♠ is byte 6: it would read as a control key
      {{"\xE2\x82\xAC"}, std::nullopt},      // € is not in code page 437
      {{"\xF0\x9F\x82\xA1"}, std::nullopt},  // a playing card emoji
  });
}

TEST(DomKeys, BrowserShortcutsAndOtherKeysStayWithTheBrowser) {
  expectKeys({
      {{"r", false, true}, std::nullopt},                // Ctrl+R
      {{"q", false, false, true}, std::nullopt},         // Alt+Q
      {{"c", false, false, false, true}, std::nullopt},  // Cmd+C
      {{"Enter", false, true}, std::nullopt},
      {{"F5", false, true}, std::nullopt},
      {{"Tab"}, std::nullopt},
      {{"Shift", true}, std::nullopt},
      {{"Dead"}, std::nullopt},
      {{"Unidentified"}, std::nullopt},
      {{""}, std::nullopt},
  });
}

TEST(DomKeys, AltGrCharactersAreTyped) {
  expectKeys({
      {{"@", false, true, true}, Key::character('@')},
      {{"\\", false, true, true}, Key::character('\\')},
  });
}

}  // namespace
}  // namespace bidgauge
