#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "hand/entry_state.hpp"

namespace bidgauge {

// One key typed on a fresh entry line on the user's behalf, with the 1-based
// position of its character in the text it came from (for messages).
struct EntryKey {
  std::string text;
  int position = 0;
  bool refused = false;  // refused whatever the entry line would say
};

// The outcome of typing a whole hand: the entry state after a completing
// Enter, or the message of the first key that stopped it.
struct HandEntry {
  bool complete = false;
  EntryState state;
  std::string error;
  int position = 0;  // of the key that stopped it; 0 when the hand as a whole is wrong
};

// Types the keys one by one through the entry-line parser, then Enter.
// Unlike the interactive line there is no way back, so every key the line
// would refuse with a beep, and the command keys E and H, are errors too.
HandEntry enterKeys(std::span<const EntryKey> keys);

// The keys of `text`, one per UTF-8 character, numbered from `firstPosition`;
// "10" is one key, a ten, as players write it.
std::vector<EntryKey> keysOfText(std::string_view text, int firstPosition = 1);

// Types `text` (the hand as the entry line takes it), then Enter.
HandEntry enterHandText(std::string_view text);

}  // namespace bidgauge
