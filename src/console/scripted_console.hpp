#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.hpp"

namespace bidgauge {

// A console driven by a list of keys, for running the program headless.
// Keys given with typeAhead() count as pressed before the program asks, so
// flushKeys() discards them; keys given with press() arrive when asked for.
class ScriptedConsole : public Console {
 public:
  ScriptedConsole() = default;
  explicit ScriptedConsole(std::vector<std::string> keys);

  // Queues one key text per element.
  void press(std::string_view keyText);
  // Queues each byte of `text` as one key.
  void type(std::string_view text);
  void typeAhead(std::string_view keyText);

  // Called as each key is handed out, with the number of keys read so far
  // (this one included): a test can press type-ahead keys or inspect the program.
  void onKeyRead(std::function<void(int)> hook) { hook_ = std::move(hook); }

  void setTitle(std::string_view title) override { title_ = title; }
  void setScreenSize(int columns, int rows) override;
  void flushKeys() override { typeAhead_.clear(); }
  std::string waitKey() override;  // throws InputClosed when the script is used up
  void playBeep() override { ++beeps_; }

  const std::string& title() const { return title_; }
  int beeps() const { return beeps_; }
  int keysRead() const { return keysRead_; }
  bool scriptDone() const { return keys_.empty() && typeAhead_.empty(); }

 private:
  std::deque<std::string> keys_;
  std::deque<std::string> typeAhead_;
  std::function<void(int)> hook_;
  std::string title_;
  int beeps_ = 0;
  int keysRead_ = 0;
};

}  // namespace bidgauge
