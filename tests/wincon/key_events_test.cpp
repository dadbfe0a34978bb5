#include "wincon/key_events.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "terminal/key_decoder.hpp"

namespace bidgauge {
namespace {

constexpr std::uint32_t kShift = control::shift;
constexpr std::uint32_t kCtrl = control::leftCtrl;
constexpr std::uint32_t kAlt = control::leftAlt;
constexpr std::uint32_t kAltGr = control::rightAlt | control::leftCtrl;

ConsoleKeyEvent press(std::uint16_t virtualKey, char16_t character = 0,
                      std::uint32_t controlKeys = 0) {
  return {true, virtualKey, 0, character, controlKeys};
}

struct SameKey {
  const char* name;
  ConsoleKeyEvent event;
  std::string terminalBytes;  // what an xterm sends for the same key
};

// Every key the program can tell apart reaches it as from the terminal.
TEST(ConsoleKeyEvents, GiveTheKeysTheTerminalGivesForTheSameKeys) {
  const std::vector<SameKey> cases = {
      {"letter", press(0x41, u'a'), "a"},
      {"capital letter", press(0x41, u'A', kShift), "A"},
      {"digit", press(0x31, u'1'), "1"},
      {"keypad digit", press(0x61, u'1'), "\x1BOq"},
      {"space", press(0x20, u' '), " "},
      {"hyphen", press(0xBD, u'-'), "-"},
      {"Enter", press(0x0D, u'\r'), "\r"},
      {"keypad Enter", press(0x0D, u'\r'), "\x1BOM"},
      {"Escape", press(0x1B, u'\x1B'), "\x1B"},
      {"Backspace", press(0x08, u'\b'), "\x7F"},
      {"Ctrl+Backspace", press(0x08, u'\x7F', kCtrl), "\b"},
      {"Tab", press(0x09, u'\t'), "\t"},
      {"Shift+Tab", press(0x09, u'\t', kShift), "\x1B[Z"},
      {"Ctrl+C", press(0x43, u'\x03', kCtrl), "\x03"},
      {"Ctrl+2", press(0x32, 0, kCtrl), std::string(1, '\0')},
      {"F1", press(0x70), "\x1BOP"},
      {"F5", press(0x74), "\x1B[15~"},
      {"F10", press(0x79), "\x1B[21~"},
      {"F11", press(0x7A), "\x1B[23~"},
      {"F12", press(0x7B), "\x1B[24~"},
      {"Shift+F1", press(0x70, 0, kShift), "\x1B[1;2P"},
      {"Ctrl+F5", press(0x74, 0, kCtrl), "\x1B[15;5~"},
      {"Alt+F10", press(0x79, 0, kAlt), "\x1B[21;3~"},
      {"Ctrl+F11", press(0x7A, 0, kCtrl), "\x1B[23;5~"},
      {"Shift+F12", press(0x7B, 0, kShift), "\x1B[24;2~"},
      {"Alt+F12", press(0x7B, 0, kAlt), "\x1B[24;3~"},
      {"Ctrl+Shift+F1", press(0x70, 0, kCtrl | kShift), "\x1B[1;6P"},
      {"Up", press(0x26), "\x1B[A"},
      {"Shift+Up", press(0x26, 0, kShift), "\x1B[1;2A"},
      {"Ctrl+Up", press(0x26, 0, kCtrl), "\x1B[1;5A"},
      {"Alt+Down", press(0x28, 0, kAlt), "\x1B[1;3B"},
      {"Ctrl+Alt+Left", press(0x25, 0, kCtrl | kAlt), "\x1B[1;7D"},
      {"Home", press(0x24), "\x1B[H"},
      {"End", press(0x23), "\x1B[F"},
      {"Page Up", press(0x21), "\x1B[5~"},
      {"Page Down", press(0x22), "\x1B[6~"},
      {"Ctrl+Page Down", press(0x22, 0, kCtrl), "\x1B[6;5~"},
      {"Insert", press(0x2D), "\x1B[2~"},
      {"Delete", press(0x2E), "\x1B[3~"},
      {"Alt+Delete", press(0x2E, 0, kAlt), "\x1B[3;3~"},
      {"Alt+Q", press(0x51, u'q', kAlt), "\x1Bq"},
      {"Alt+Shift+A", press(0x41, u'A', kAlt | kShift),
       "\x1B"
       "A"},
      {"Alt+M", press(0x4D, u'm', kAlt), "\x1Bm"},
      {"Alt+1", press(0x31, u'1', kAlt),
       "\x1B"
       "1"},
      {"Alt+Enter", press(0x0D, u'\r', kAlt), "\x1B\r"},
      {"accented letter", press(0xDE, u'\u00E9'), "\u00E9"},
      {"half sign", press(0xDC, u'\u00BD'), "\u00BD"},
      {"euro sign", press(0x45, u'\u20AC', kAltGr), "\u20AC"},
      {"spade symbol", press(0xE7, u'\u2660'), "\u2660"},
  };
  for (const SameKey& c : cases) {
    const std::vector<Key> terminal = decodeBurst(c.terminalBytes);
    ASSERT_EQ(terminal.size(), 1u) << c.name;
    EXPECT_EQ(keyOfEvent(c.event), terminal[0]) << c.name;
  }
}

struct WindowsOnly {
  const char* name;
  ConsoleKeyEvent event;
  std::optional<Key> key;
};

// What only the Windows console sends: releases, modifiers alone, AltGr,
// characters beyond one UTF-16 unit, and events with parts left out.
TEST(ConsoleKeyEvents, AnswerWhatOnlyTheWindowsConsoleSends) {
  const std::vector<WindowsOnly> cases = {
      {"release", {false, 0x41, 0x1E, u'a', 0}, std::nullopt},
      {"Shift alone", press(0x10, 0, kShift), std::nullopt},
      {"Ctrl alone", press(0x11, 0, kCtrl), std::nullopt},
      {"Alt alone", press(0x12, 0, kAlt), std::nullopt},
      {"Caps Lock", press(0x14), std::nullopt},
      {"Num Lock", press(0x90), std::nullopt},
      {"Windows key", press(0x5B), std::nullopt},
      {"AltGr+Q typing @", press(0x51, u'@', kAltGr), Key::character('@')},
      {"AltGr+E typing an accented letter", press(0x45, u'\u00E9', kAltGr), Key::character(0x82)},
      {"Escape without its character", press(0x1B), keys::escape},
      {"Enter without its character", press(0x0D), keys::enter},
      {"Alt+letter without its character", press(0x41, 0, kAlt), Key::scan(30)},
      {"first half of a surrogate pair", press(0xE7, u'\xD83C'), keys::unknown},
      {"second half of a surrogate pair", press(0xE7, u'\xDCA1'), std::nullopt},
      {"Alt+keypad digits, on Alt's release",
       {false, 0x12, 0x38, u'\u00E9', 0},
       Key::character(0x82)},
      {"keypad 5 without Num Lock", press(0x0C), keys::unknown},
      {"no virtual key at all", press(0x00), keys::unknown},
  };
  for (const WindowsOnly& c : cases) EXPECT_EQ(keyOfEvent(c.event), c.key) << c.name;
}

}  // namespace
}  // namespace bidgauge
