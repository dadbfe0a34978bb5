#pragma once

#include <optional>
#include <string>

#include "console/key.hpp"

namespace bidgauge {

// What one read of the terminal gave: a character, a key the terminal
// library recognised (by its terminfo key name: "KEY_UP", "KEY_F(13)",
// "kUP5"), or nothing within the time allowed.
struct RawKey {
  enum class Kind { character, named, nothing };

  Kind kind = Kind::nothing;
  char32_t value = 0;  // the Unicode character
  std::string name;    // the key's name

  static RawKey character(char32_t ch) { return {Kind::character, ch, {}}; }
  static RawKey named(std::string keyName) { return {Kind::named, 0, std::move(keyName)}; }
  static RawKey none() { return {}; }
};

// Turns terminal reads into Keys: a code page 437 byte for a key that yields
// a character, or the PC scan code for one that does not.
// Alt+key arrives as Escape followed by the key, so an Escape is held until
// the next read shows what follows it.
class KeyDecoder {
 public:
  // How the next read should wait.
  enum class Wait {
    block,      // nothing pending: wait for a key
    immediate,  // after an Escape: look once without waiting
    brief,      // inside an escape sequence: wait a few milliseconds for the rest
  };

  static constexpr int kBriefWaitMs = 25;

  Wait nextWait() const;

  // Feeds one read. Returns the key text it completes; nothing while a
  // sequence is incomplete or when the input means no key at all.
  std::optional<Key> feed(const RawKey& input);

  // Forgets a half-read sequence.
  void reset() { state_ = State::idle; }

 private:
  enum class State { idle, afterEscape, sequence };

  std::optional<Key> afterEscape(const RawKey& input);
  std::optional<Key> inSequence(const RawKey& input);

  State state_ = State::idle;
  char introducer_ = 0;     // '[' or 'O'
  int sequenceLength_ = 0;  // bytes read after the introducer
};

}  // namespace bidgauge
