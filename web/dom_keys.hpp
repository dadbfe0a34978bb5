#pragma once

#include <optional>
#include <string_view>

#include "console/key.hpp"

namespace bidgauge {

// A keyboard event as the page receives it: KeyboardEvent.key in UTF-8 and
// the modifiers held.
struct DomKey {
  std::string_view key;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool meta = false;
};

// The key the terminal would give for the same key press, or nothing when
// the press is no key of the program and belongs to the browser (Tab, Ctrl
// and Alt shortcuts, dead keys, characters code page 437 lacks).
std::optional<Key> keyFromDom(const DomKey& event);

}  // namespace bidgauge
