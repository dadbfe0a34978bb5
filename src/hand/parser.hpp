#pragma once

#include <string>
#include <string_view>

#include "hand/entry_state.hpp"

namespace bidgauge {

enum class KeyAction {
  accept,    // echo `echo` at the cursor; the state has taken the key
  ignore,    // nothing happens, silently
  refuse,    // nothing happens but a beep
  error,     // state.entryError tells which rule was broken; the hand is unchanged
  complete,  // Enter on a complete hand: evaluate it
};

struct KeyVerdict {
  KeyAction action;
  EntryState state;  // the state after the key
  std::string echo;  // what to print for an accepted key
};

// The keys the entry line handles itself; every other key goes to parseKey.
enum class CommandKey { none, quit, help, backspace };

// What an upper-cased key text is to the entry line: Escape and E quit, H opens
// the help, Backspace takes the last character back.
CommandKey commandKeyOf(std::string_view keyText);

// Judges one upper-cased key text typed on the entry line (any key but the
// command keys Escape, E, H and Backspace, which the key loop handles).
KeyVerdict parseKey(const EntryState& state, std::string_view keyText);

// Backspace: takes the last accepted character back out of the hand.
KeyVerdict deleteLast(const EntryState& state);

// The key text with the letters a to z upper-cased, as the entry line sees it.
std::string upperCased(std::string_view keyText);

}  // namespace bidgauge
