#pragma once

#include "console/console.hpp"
#include "hand/entry_state.hpp"
#include "app/main_screen.hpp"

namespace bidgauge {

// The interactive program: title screen, then one hand after another until
// the user quits. All screen output and keys go through the console.
class InteractiveApp {
 public:
  enum class Start { titleScreen, help };

  explicit InteractiveApp(Console& console) : console_(console) {}

  // Runs until the user quits or the input goes away; returns the exit status.
  int run(Start start = Start::titleScreen);

  // The hand being typed, for observers such as tests.
  const EntryState& entry() const { return entry_; }
  // The row the hand is typed on, or 0 while no hand is being typed (help, quit prompt).
  int entryRow() const { return entryRow_; }

 private:
  enum class EntryEnd { complete, help, quit };

  void startTitleScreen();
  void startNewHand();
  EntryEnd runKeyLoop();
  void handleBackspace();
  // Returns true when the key completes the hand.
  bool handleEntryKey(const std::string& keyText);
  void finishHand();

  Console& console_;
  EntryState entry_;
  bool hintShown_ = false;
  CursorPosition resume_;
  int entryRow_ = 0;
};

}  // namespace bidgauge
