#include "app/interactive_app.hpp"

#include "app/quit_prompt.hpp"
#include "console/colors.hpp"
#include "hand/parser.hpp"
#include "results/results_panel.hpp"

namespace bidgauge {

void InteractiveApp::start(Start start) {
  console_.setTitle(kWindowTitle);
  console_.setScreenSize(Screen::kColumns, Screen::kRows);
  if (start == Start::help) {
    // In the colours the entry line leaves, so the pages look exactly as when
    // H opens them.
    console_.setColor(color::brightWhite, color::blue);
    openHelp();
    return;
  }
  startTitleScreen();
}

bool InteractiveApp::handle(Key key) {
  key = key.upperCased();
  switch (mode_) {
    case Mode::entry:
      handleEntry(key);
      break;
    case Mode::errorBar:
      // Any key dismisses the message and is consumed.
      dismissEntryError(console_, errorBar_);
      mode_ = Mode::entry;
      break;
    case Mode::quitQuestion:
      handleQuitAnswer(key);
      break;
    case Mode::help:
      if (!pager_.handle(key)) startTitleScreen();
      break;
    case Mode::finished:
      break;
  }
  return !finished();
}

void InteractiveApp::startTitleScreen() {
  drawTitleScreen(console_);
  hintShown_ = true;
  startNewHand();
}

void InteractiveApp::startNewHand() {
  mode_ = Mode::entry;
  entry_ = EntryState{};
  drawPrompt(console_);
  entryRow_ = console_.cursorRow();
  if (hintShown_) resume_ = {console_.cursorRow(), console_.cursorColumn()};
}

void InteractiveApp::openHelp() {
  mode_ = Mode::help;
  pager_.open();
}

void InteractiveApp::eraseHintOnce() {
  if (!hintShown_) return;
  console_.setColor(color::brightWhite, color::blue);
  eraseHint(console_, resume_);
  hintShown_ = false;
}

void InteractiveApp::handleEntry(Key key) {
  eraseHintOnce();  // the first key of any kind erases it
  switch (commandKeyOf(key.text())) {
    case CommandKey::quit:
      mode_ = Mode::quitQuestion;
      askQuit(console_);
      break;
    case CommandKey::help:
      openHelp();
      break;
    case CommandKey::backspace:
      handleBackspace();
      break;
    case CommandKey::none:
      handleEntryKey(key);
      break;
  }
}

void InteractiveApp::handleBackspace() {
  KeyVerdict verdict = deleteLast(entry_);
  if (verdict.action == KeyAction::refuse) {
    console_.playBeep();
    return;
  }
  const int column = console_.cursorColumn() - 1;
  console_.moveToColumn(column);
  console_.printText(" ");
  console_.moveToColumn(column);
  entry_ = std::move(verdict.state);
}

void InteractiveApp::handleEntryKey(Key key) {
  KeyVerdict verdict = parseKey(entry_, key.text());
  switch (verdict.action) {
    case KeyAction::accept:
      console_.printText(verdict.echo);
      entry_ = std::move(verdict.state);
      break;
    case KeyAction::ignore:
      break;
    case KeyAction::refuse:
      console_.playBeep();
      break;
    case KeyAction::error:
      mode_ = Mode::errorBar;
      errorBar_ = showEntryError(console_, verdict.state);
      break;
    case KeyAction::complete:
      finishHand();
      startNewHand();
      break;
  }
}

void InteractiveApp::handleQuitAnswer(Key key) {
  switch (answerQuit(console_, key)) {
    case QuitAnswer::quit:
      mode_ = Mode::finished;
      break;
    case QuitAnswer::stay:
      startTitleScreen();
      break;
    case QuitAnswer::undecided:
      break;
  }
}

void InteractiveApp::finishHand() {
  lastHand_ = entry_.hand;
  ++handsEvaluated_;
  showResults(console_, entry_.hand, computeResults(entry_.hand, console_.glyphSet()));
}

}  // namespace bidgauge
