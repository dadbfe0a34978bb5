#pragma once

#include "app/error_bar.hpp"
#include "app/main_screen.hpp"
#include "console/console.hpp"
#include "console/key.hpp"
#include "hand/entry_state.hpp"
#include "help/help_pager.hpp"

namespace bidgauge {

// The interactive program: the title screen, then one hand after another
// until the user quits. It is driven by its backend one key at a time and
// draws everything on the console's screen; it never waits for a key itself.
class InteractiveApp {
 public:
  enum class Start { titleScreen, help };
  enum class Mode { entry, errorBar, quitQuestion, help, finished };

  explicit InteractiveApp(Console& console) : console_(console), pager_(console) {}

  // Sets the title and the screen size and draws the first screen.
  void start(Start start = Start::titleScreen);
  // One key press; false once the user has quit.
  bool handle(Key key);

  Mode mode() const { return mode_; }
  bool finished() const { return mode_ == Mode::finished; }
  // The hand being typed, for observers such as tests.
  const EntryState& entry() const { return entry_; }
  // The row the hand is typed on, or 0 while no hand is being typed (help, quit question).
  int entryRow() const { return mode_ == Mode::entry || mode_ == Mode::errorBar ? entryRow_ : 0; }
  // The hand last evaluated, and how many have been: the count tells the same
  // hand typed twice from one shown once.
  const Hand& lastHand() const { return lastHand_; }
  int handsEvaluated() const { return handsEvaluated_; }

 private:
  void startTitleScreen();
  void startNewHand();
  void openHelp();
  void eraseHintOnce();

  void handleEntry(Key key);
  void handleBackspace();
  void handleEntryKey(Key key);
  void handleQuitAnswer(Key key);
  void finishHand();

  Console& console_;
  HelpPager pager_;
  Mode mode_ = Mode::entry;
  EntryState entry_;
  bool hintShown_ = false;
  CursorPosition resume_;
  int entryRow_ = 0;
  ErrorBarPlace errorBar_;
  Hand lastHand_;
  int handsEvaluated_ = 0;
};

}  // namespace bidgauge
