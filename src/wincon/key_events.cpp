#include "wincon/key_events.hpp"

#include <array>
#include <string_view>

#include "hand/cp437.hpp"

namespace bidgauge {
namespace {

// Virtual-key codes, as WinUser.h numbers them.
namespace vk {
constexpr std::uint16_t back = 0x08;
constexpr std::uint16_t tab = 0x09;
constexpr std::uint16_t enter = 0x0D;
constexpr std::uint16_t alt = 0x12;
constexpr std::uint16_t escape = 0x1B;
constexpr std::uint16_t two = 0x32;
constexpr std::uint16_t letterA = 0x41;
constexpr std::uint16_t letterZ = 0x5A;
constexpr std::uint16_t f1 = 0x70;
constexpr std::uint16_t f12 = 0x7B;
}  // namespace vk

// Shift, Ctrl, Alt and the lock keys, alone; the Windows and menu keys, which
// Windows keeps for itself.
constexpr std::array<std::uint16_t, 15> kModifierKeys = {
    0x10, 0x11, 0x12, 0x14, 0x90, 0x91, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0x5B, 0x5C, 0x5D,
};

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

Modifiers modifiersOf(std::uint32_t controlKeys) {
  return {(controlKeys & control::shift) != 0,
          (controlKeys & (control::leftCtrl | control::rightCtrl)) != 0,
          (controlKeys & (control::leftAlt | control::rightAlt)) != 0};
}

// Scan codes of the cursor block: plain (Shift gives the same), with Ctrl, with Alt.
struct NavigationKey {
  std::uint16_t virtualKey;
  int plain;
  int ctrl;
  int alt;
};
constexpr std::array<NavigationKey, 10> kNavigationKeys = {{
    {0x24, 71, 119, 151},  // Home
    {0x26, 72, 141, 152},  // Up
    {0x21, 73, 132, 153},  // Page Up
    {0x25, 75, 115, 155},  // Left
    {0x27, 77, 116, 157},  // Right
    {0x23, 79, 117, 159},  // End
    {0x28, 80, 145, 160},  // Down
    {0x22, 81, 118, 161},  // Page Down
    {0x2D, 82, 146, 162},  // Insert
    {0x2E, 83, 147, 163},  // Delete
}};

// F1 and F11 alone, with Shift, with Ctrl, with Alt; the next keys follow.
struct FunctionKeyGroup {
  int firstTen;
  int elevenTwelve;
};
constexpr FunctionKeyGroup kPlainFunctionKeys = {59, 133};
constexpr FunctionKeyGroup kShiftFunctionKeys = {84, 135};
constexpr FunctionKeyGroup kCtrlFunctionKeys = {94, 137};
constexpr FunctionKeyGroup kAltFunctionKeys = {104, 139};

constexpr std::array<std::string_view, 3> kLetterRows = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
constexpr std::array<int, 3> kLetterRowScan = {16, 30, 44};

constexpr int kShiftTabScan = 15;
constexpr int kCtrlTwoScan = 3;  // the PC's NUL key

bool isModifierKey(std::uint16_t virtualKey) {
  for (const std::uint16_t modifier : kModifierKeys) {
    if (modifier == virtualKey) return true;
  }
  return false;
}

bool isLetterKey(std::uint16_t virtualKey) {
  return virtualKey >= vk::letterA && virtualKey <= vk::letterZ;
}

Key altLetter(std::uint16_t virtualKey) {
  const char letter = static_cast<char>(virtualKey);
  for (std::size_t row = 0; row < kLetterRows.size(); ++row) {
    const std::size_t position = kLetterRows[row].find(letter);
    if (position != std::string_view::npos) {
      return Key::scan(kLetterRowScan[row] + static_cast<int>(position));
    }
  }
  return keys::unknown;
}

// As the terminal reads a character: a glyph whose byte is below 128 would
// read as a control key, so it is unknown.
std::optional<Key> characterKey(char16_t ch) {
  if (ch >= 0xDC00 && ch <= 0xDFFF) return std::nullopt;   // its pair's first half answered
  if (ch >= 0xD800 && ch <= 0xDBFF) return keys::unknown;  // beyond code page 437
  if (ch == 8 || ch == 0x7F) return keys::backspace;
  if (ch < 0x7F) return Key::character(static_cast<unsigned char>(ch));
  const unsigned char byte = unicodeToCp437(ch);
  if (byte < 0x80) return keys::unknown;
  return Key::character(byte);
}

// Exactly one or no modifier: the PC has no codes for the others.
Key functionKey(std::uint16_t virtualKey, Modifiers held) {
  const int heldCount = int{held.shift} + int{held.ctrl} + int{held.alt};
  if (heldCount > 1) return keys::unknown;
  const FunctionKeyGroup& group = held.shift  ? kShiftFunctionKeys
                                  : held.ctrl ? kCtrlFunctionKeys
                                  : held.alt  ? kAltFunctionKeys
                                              : kPlainFunctionKeys;
  const int index = virtualKey - vk::f1;
  return Key::scan(index < 10 ? group.firstTen + index : group.elevenTwelve + index - 10);
}

std::optional<Key> navigationKey(std::uint16_t virtualKey, Modifiers held) {
  for (const NavigationKey& navigation : kNavigationKeys) {
    if (navigation.virtualKey != virtualKey) continue;
    if (held.ctrl && held.alt) return keys::unknown;
    return Key::scan(held.ctrl ? navigation.ctrl : held.alt ? navigation.alt : navigation.plain);
  }
  return std::nullopt;
}

std::optional<Key> typedKey(const ConsoleKeyEvent& event, Modifiers held) {
  // Ctrl+Alt with a character is AltGr typing it.
  const bool altOnly = held.alt && !held.ctrl;
  if (altOnly && isLetterKey(event.virtualKey)) return altLetter(event.virtualKey);
  if (event.virtualKey == vk::tab && held.shift && !held.ctrl && !held.alt) {
    return Key::scan(kShiftTabScan);
  }
  return characterKey(event.character);
}

// Some consoles leave the character of Escape and its kind out.
Key untypedKey(const ConsoleKeyEvent& event, Modifiers held) {
  const std::uint16_t virtualKey = event.virtualKey;
  switch (virtualKey) {
    case vk::escape:
      return keys::escape;
    case vk::enter:
      return keys::enter;
    case vk::back:
      return keys::backspace;
    case vk::tab:
      return held.shift ? Key::scan(kShiftTabScan) : Key::character('\t');
    default:
      break;
  }
  if (virtualKey >= vk::f1 && virtualKey <= vk::f12) return functionKey(virtualKey, held);
  if (const std::optional<Key> navigation = navigationKey(virtualKey, held)) return *navigation;
  if (held.alt && !held.ctrl && isLetterKey(virtualKey)) return altLetter(virtualKey);
  if (held.ctrl && virtualKey == vk::two) return Key::scan(kCtrlTwoScan);
  return keys::unknown;
}

}  // namespace

std::optional<Key> keyOfEvent(const ConsoleKeyEvent& event) {
  if (!event.keyDown) {
    // A character typed as Alt+keypad digits arrives with the release of Alt.
    if (event.virtualKey == vk::alt && event.character != 0) return characterKey(event.character);
    return std::nullopt;
  }
  if (isModifierKey(event.virtualKey)) return std::nullopt;
  const Modifiers held = modifiersOf(event.controlKeys);
  if (event.character != 0) return typedKey(event, held);
  return untypedKey(event, held);
}

}  // namespace bidgauge
