#include "app/interactive_app.hpp"

#include "console/colors.hpp"
#include "app/error_bar.hpp"
#include "hand/parser.hpp"
#include "app/quit_prompt.hpp"
#include "help/help_pager.hpp"
#include "results/results_panel.hpp"

namespace bidgauge {

int InteractiveApp::run(Start start) {
  console_.setTitle(kWindowTitle);
  console_.setScreenSize(Screen::kColumns, Screen::kRows);
  try {
    if (start == Start::help) showHelp(console_);
    startTitleScreen();
    for (;;) {
      switch (runKeyLoop()) {
        case EntryEnd::complete:
          entryRow_ = 0;
          finishHand();
          startNewHand();
          break;
        case EntryEnd::help:
          entryRow_ = 0;
          showHelp(console_);
          startTitleScreen();
          break;
        case EntryEnd::quit:
          entryRow_ = 0;
          if (confirmQuit(console_) == QuitAnswer::quit) return 0;
          startTitleScreen();
          break;
      }
    }
  } catch (const InputClosed&) {
    return 0;  // the terminal went away: nothing left to do
  }
}

void InteractiveApp::startTitleScreen() {
  drawTitleScreen(console_);
  hintShown_ = true;
  startNewHand();
}

void InteractiveApp::startNewHand() {
  entry_ = EntryState{};
  drawPrompt(console_);
  entryRow_ = console_.cursorRow();
  if (hintShown_) resume_ = {console_.cursorRow(), console_.cursorColumn()};
}

InteractiveApp::EntryEnd InteractiveApp::runKeyLoop() {
  for (;;) {
    const std::string keyText = console_.readKey();
    if (hintShown_) {
      console_.setColor(color::brightWhite, color::blue);
      eraseHint(console_, resume_);
      hintShown_ = false;
    }
    if (keyText == key::escape || keyText == "E") return EntryEnd::quit;
    if (keyText == "H") return EntryEnd::help;
    if (keyText == key::backspace) {
      handleBackspace();
    } else if (handleEntryKey(keyText)) {
      return EntryEnd::complete;
    }
  }
}

void InteractiveApp::handleBackspace() {
  KeyVerdict verdict = deleteLast(entry_);
  if (verdict.action == KeyAction::refuse) {
    console_.playBeep();
    return;
  }
  const int column = console_.cursorColumn() - 1;
  console_.moveCursor(0, column);
  console_.printText(" ");
  console_.moveCursor(0, column);
  entry_ = std::move(verdict.state);
}

bool InteractiveApp::handleEntryKey(const std::string& keyText) {
  KeyVerdict verdict = parseKey(entry_, keyText);
  switch (verdict.action) {
    case KeyAction::accept:
      console_.printText(verdict.echo);
      entry_ = std::move(verdict.state);
      return false;
    case KeyAction::ignore:
      return false;
    case KeyAction::refuse:
      console_.playBeep();
      return false;
    case KeyAction::error:
      showEntryError(console_, verdict.state);
      return false;
    case KeyAction::complete:
      return true;
  }
  return false;
}

void InteractiveApp::finishHand() {
  showResults(console_, entry_.hand, computeResults(entry_.hand));
}

}  // namespace bidgauge
