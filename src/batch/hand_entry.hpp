#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

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

// Types keys one by one through the entry-line parser. Unlike the
// interactive line there is no way back, so every key the line would refuse
// with a beep, and the command keys E and H, are errors too.
class HandTyping {
 public:
  // False once a key has stopped the hand; later keys are not typed.
  bool type(const EntryKey& key);
  // Enter after the keys typed, or the message of the key that stopped them.
  HandEntry finish() const;

 private:
  EntryState state_;
  std::optional<HandEntry> stopped_;
};

// Types the keys, then Enter.
HandEntry enterKeys(std::span<const EntryKey> keys);

// Types the keys a source gives one at a time (its next() gives an
// optional EntryKey), then Enter; no key is asked for after the one that
// stops the hand.
template <class KeySource>
HandEntry enterKeysOf(KeySource keys) {
  HandTyping typing;
  while (const std::optional<EntryKey> key = keys.next()) {
    if (!typing.type(*key)) break;
  }
  return typing.finish();
}

// The keys of `text`, one per UTF-8 character, numbered from `firstPosition`;
// "10" is one key, a ten, as players write it. Taken one at a time, so that
// reading a text of any length holds one key.
class TextKeys {
 public:
  explicit TextKeys(std::string_view text, int firstPosition = 1)
      : rest_(text), position_(firstPosition) {}
  std::optional<EntryKey> next();

 private:
  std::string_view rest_;
  int position_;
};

// Types `text` (the hand as the entry line takes it), then Enter.
HandEntry enterHandText(std::string_view text);

}  // namespace bidgauge
