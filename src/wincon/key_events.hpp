#pragma once

#include <cstdint>
#include <optional>

#include "console/key.hpp"

namespace bidgauge {

// A key event of the Windows console (KEY_EVENT_RECORD) in portable form, so
// that its reading can be tested anywhere.
struct ConsoleKeyEvent {
  bool keyDown = true;
  std::uint16_t virtualKey = 0;
  std::uint16_t scanCode = 0;  // the hardware's; not all consoles fill it in
  char16_t character = 0;      // 0 for a key that types none
  std::uint32_t controlKeys = 0;
};

// dwControlKeyState's bits.
namespace control {
inline constexpr std::uint32_t rightAlt = 0x0001;
inline constexpr std::uint32_t leftAlt = 0x0002;
inline constexpr std::uint32_t rightCtrl = 0x0004;
inline constexpr std::uint32_t leftCtrl = 0x0008;
inline constexpr std::uint32_t shift = 0x0010;
}  // namespace control

// The key an event gives the program, or nothing (a key released, a modifier
// alone). Keys map as the terminal's key decoder maps the same keys: a code
// page 437 byte for a character, the PC scan code for cursor and function
// keys with or without Shift, Ctrl or Alt, and for Alt+letter; keys::unknown
// for anything the PC keyboard has no code for. The scan code is worked out
// from the virtual key, which every console fills in and which follows the
// keyboard layout as the letters do.
std::optional<Key> keyOfEvent(const ConsoleKeyEvent& event);

}  // namespace bidgauge
