#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.hpp"
#include "console/key.hpp"

namespace bidgauge {

// A console with a script of keys, for running the program headless. Keys
// given with typeAhead() count as pressed before the program asks for them,
// so a flushKeys() request discards them; keys given with press() arrive in
// turn, after the program has drawn what came before.
class ScriptedConsole : public Console {
 public:
  ScriptedConsole() = default;
  explicit ScriptedConsole(const std::vector<Key>& keys);

  void press(Key key) { keys_.push_back(key); }
  // Queues each byte of `text` as one key.
  void type(std::string_view text);
  void typeAhead(Key key) { typeAhead_.push_back(key); }

  // The next key to deliver, or nothing when the script is used up.
  std::optional<Key> nextKey();

  void setTitle(std::string_view title) override { title_ = title; }
  void setScreenSize(int columns, int rows) override;
  void flushKeys() override;
  void playBeep() override { ++beeps_; }

  const std::string& title() const { return title_; }
  int beeps() const { return beeps_; }
  int flushes() const { return flushes_; }
  // Keys typed ahead that flushes have discarded so far.
  int discarded() const { return discarded_; }
  int keysRead() const { return keysRead_; }
  bool scriptDone() const { return keys_.empty() && typeAhead_.empty(); }

 private:
  std::deque<Key> keys_;
  std::deque<Key> typeAhead_;
  std::string title_;
  int beeps_ = 0;
  int flushes_ = 0;
  int discarded_ = 0;
  int keysRead_ = 0;
};

}  // namespace bidgauge
