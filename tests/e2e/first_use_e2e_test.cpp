// What a new user meets first: other locales and terminals, the keypad, a
// window that is too small, and the terminal left after quitting.

#include <termios.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/pty_terminal.hpp"
#include "e2e/screen_checks.hpp"

namespace bidgauge::e2e {
namespace {

using namespace std::chrono_literals;
using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

// The harness fixes the environment; env changes it for the program alone.
PtyTerminal startWith(std::vector<std::string> settings, TerminalSize size = {},
                      std::vector<std::string> arguments = {}) {
  std::vector<std::string> argv = {"/usr/bin/env"};
  argv.insert(argv.end(), settings.begin(), settings.end());
  argv.emplace_back(BIDGAUGE_PROGRAM);
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return PtyTerminal(std::move(argv), size);
}

AssertionResult allOf(std::initializer_list<AssertionResult> results) {
  for (const AssertionResult& result : results) {
    if (!result) return result;
  }
  return AssertionSuccess();
}

AssertionResult rowHas(const PtyTerminal& terminal, int row, const std::string& text) {
  if (terminal.rowText(row).find(text) != std::string::npos) return AssertionSuccess();
  return AssertionFailure() << "row " << row << " lacks \"" << text << "\"";
}

// The title screen, drawn to the end: the hint and the cursor on the entry line.
AssertionResult ready(const PtyTerminal& terminal) {
  if (terminal.cursor() != Position{5, 19}) return AssertionFailure() << "the cursor is elsewhere";
  return allOf({rowHas(terminal, 5, "  Enter a hand:"),
                rowHas(terminal, 12, " For instructions, press \"H\" ")});
}

// Every cell of the run is (or is not) in reverse video.
AssertionResult reverseRun(const PtyTerminal& terminal, Position at, int length, bool reverse) {
  for (int column = at.column; column < at.column + length; ++column) {
    if (terminal.cell(at.row, column).reverse != reverse) {
      return AssertionFailure() << "cell " << at.row << "," << column
                                << (reverse ? " is not" : " is") << " in reverse video";
    }
  }
  return AssertionSuccess();
}

AssertionResult entryShows(const PtyTerminal& terminal, const std::string& typed) {
  const std::string row = terminal.rowText(5).substr(18, 51);  // from the entry column
  if (row == typed + std::string(51 - typed.size(), ' ')) return AssertionSuccess();
  return AssertionFailure() << "the entry line reads \"" << row << "\"";
}

AssertionResult bellsRung(const PtyTerminal& terminal, int count) {
  if (terminal.bellCount() == count) return AssertionSuccess();
  return AssertionFailure() << terminal.bellCount() << " bells, expected " << count;
}

// Without a sound device the beep is the terminal's bell, which can be counted.
const std::string kNoSound = "ALSA_CONFIG_PATH=/dev/null";

// The sound device is opened in the background, and beeps ring the bell once
// that has failed: Backspace on an empty entry line beeps until it does.
void ringsTheBell(PtyTerminal& terminal) {
  for (int attempt = 0; attempt < 100 && terminal.bellCount() == 0; ++attempt) {
    terminal.sendKey(VTERM_KEY_BACKSPACE);
    terminal.waitFor([&] { return terminal.bellCount() > 0; }, 100ms);
  }
  ASSERT_GT(terminal.bellCount(), 0);
}

TEST(FirstUseKeys, KeypadTypesAsTheMainKeyboardAndNoKeyVanishes) {
  PtyTerminal terminal = startWith({kNoSound});
  ASSERT_TRUE(eventually(
      terminal, [&] { return ready(terminal); }, kWait));

  terminal.sendKey(VTERM_KEY_KP_MULT);  // no meaning at the entry line
  ASSERT_TRUE(eventually(
      terminal,
      [&] {
        return hasBlanks(terminal, {12, 1}, 80, kBlue);
      },
      kWait))
      << "the first key erases the hint";
  ringsTheBell(terminal);

  for (const VTermKey key : {VTERM_KEY_KP_9, VTERM_KEY_KP_1, VTERM_KEY_KP_5}) terminal.sendKey(key);
  terminal.sendText(" ");
  terminal.sendKey(VTERM_KEY_KP_MINUS);
  terminal.sendText(" ");
  terminal.sendKey(VTERM_KEY_KP_0);
  ASSERT_TRUE(eventually(
      terminal, [&] { return entryShows(terminal, "9T5 - T"); }, kWait));

  terminal.sendKey(VTERM_KEY_KP_ENTER);
  ASSERT_TRUE(eventually(
      terminal, [&] { return rowHas(terminal, 7, " The hand has only 4 cards "); }, kWait));
  terminal.sendText("€");  // dismisses the bar
  ASSERT_TRUE(eventually(
      terminal,
      [&] {
        return hasBlanks(terminal, {7, 1}, 80, kBlue);
      },
      kWait));
  const int bellsAtTheEntry = terminal.bellCount();
  terminal.sendText("♠");  // its byte is a control code: a key without meaning
  ASSERT_TRUE(eventually(
      terminal, [&] { return bellsRung(terminal, bellsAtTheEntry + 1); }, kWait));
  EXPECT_TRUE(entryShows(terminal, "9T5 - T"));

  terminal.sendKey(VTERM_KEY_ESCAPE);
  ASSERT_TRUE(eventually(
      terminal, [&] { return rowHas(terminal, 7, " Quit program?  (Y/n) "); }, kWait));
  const int bellsAtTheQuestion = terminal.bellCount();
  terminal.sendKey(VTERM_KEY_KP_PERIOD);
  ASSERT_TRUE(eventually(
      terminal, [&] { return bellsRung(terminal, bellsAtTheQuestion + 1); }, kWait));
  terminal.sendKey(VTERM_KEY_KP_ENTER);
  EXPECT_EQ(terminal.waitForExit(kWait), 0) << terminal.dump();
}

AssertionResult noticeShown(const PtyTerminal& terminal) {
  const std::string text = terminal.screenText();
  if (text.find("needs a terminal") != std::string::npos &&
      text.find("Q or Escape quits") != std::string::npos) {
    return AssertionSuccess();
  }
  return AssertionFailure() << "no small-window notice that says how to leave";
}

// Bytes the program has read so far (curses reads the terminal a byte at a time).
long bytesRead(const PtyTerminal& terminal) {
  std::ifstream io("/proc/" + std::to_string(terminal.pid()) + "/io");
  std::string name;
  long value = 0;
  while (io >> name >> value) {
    if (name == "rchar:") return value;
  }
  return -1;
}

TEST(FirstUseSmallWindow, KeysTypedAtTheNoticeAreDroppedAndTheScreenComesBack) {
  // Quiet: no sound thread reads files meanwhile.
  PtyTerminal terminal = startWith({}, {80, 24}, {"--quiet"});
  ASSERT_TRUE(eventually(
      terminal, [&] { return noticeShown(terminal); }, kWait));
  const long before = bytesRead(terminal);
  ASSERT_GE(before, 0);
  terminal.sendText("EyAK");
  ASSERT_TRUE(eventually(
      terminal,
      [&] {
        if (bytesRead(terminal) >= before + 4) return AssertionSuccess();
        return AssertionFailure() << "the keys are not read yet";
      },
      kWait));
  terminal.resize(80, 25);
  ASSERT_TRUE(eventually(
      terminal, [&] { return ready(terminal); }, kWait))
      << "the title screen with its hint: no key reached the program";
  EXPECT_TRUE(entryShows(terminal, ""));
  terminal.sendText("q");
  EXPECT_TRUE(eventually(
      terminal, [&] { return entryShows(terminal, "Q"); }, kWait));

  // Too small again, and back: the screen is as it was.
  terminal.resize(70, 25);
  ASSERT_TRUE(eventually(
      terminal, [&] { return noticeShown(terminal); }, kWait));
  terminal.resize(80, 25);
  EXPECT_TRUE(eventually(
      terminal, [&] { return entryShows(terminal, "Q"); }, kWait));
  EXPECT_TRUE(rowHas(terminal, 2, "OPENING BID EVALUATOR"));
}

TEST(FirstUseSmallWindow, QEscapeOrCtrlCAtTheNoticeEndTheProgramCleanly) {
  const struct {
    const char* name;
    std::function<void(PtyTerminal&)> press;
  } ways[] = {{"q", [](PtyTerminal& t) { t.sendText("q"); }},
              {"Q", [](PtyTerminal& t) { t.sendText("Q"); }},
              {"Escape", [](PtyTerminal& t) { t.sendKey(VTERM_KEY_ESCAPE); }},
              {"Ctrl+C", [](PtyTerminal& t) { t.sendCtrl('c'); }}};
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    PtyTerminal terminal = startWith({}, {80, 24});
    ASSERT_TRUE(eventually(
        terminal, [&] { return noticeShown(terminal); }, kWait));
    way.press(terminal);
    ASSERT_EQ(terminal.waitForExit(kWait), 0) << terminal.dump();
    EXPECT_FALSE(terminal.altScreen());
    EXPECT_TRUE(terminal.cursorVisible());
    const termios modes = terminal.terminalModes();
    EXPECT_EQ(modes.c_lflag & (ICANON | ECHO | ISIG), tcflag_t{ICANON | ECHO | ISIG});
  }
}

std::vector<std::string> rowTexts(const PtyTerminal& terminal, int first, int last) {
  std::vector<std::string> rows;
  for (int row = first; row <= last; ++row) rows.push_back(terminal.rowText(row));
  return rows;
}

// After the quit, the normal screen holds the program's last screen in the
// same rows, and the shell's prompt comes on the cursor's row.
TEST(FirstUseExit, TheLastScreenStaysInItsRows) {
  PtyTerminal terminal = startWith({});
  ASSERT_TRUE(eventually(
      terminal, [&] { return ready(terminal); }, kWait));
  terminal.sendKey(VTERM_KEY_ESCAPE);
  ASSERT_TRUE(eventually(
      terminal, [&] { return rowHas(terminal, 7, " Quit program?  (Y/n) "); }, kWait));
  const std::vector<std::string> shown = rowTexts(terminal, 1, 7);
  terminal.sendText("y");
  ASSERT_EQ(terminal.waitForExit(kWait), 0) << terminal.dump();
  EXPECT_FALSE(terminal.altScreen());
  EXPECT_EQ(rowTexts(terminal, 1, 7), shown) << terminal.dump();
  EXPECT_TRUE(rowHas(terminal, 2, "OPENING BID EVALUATOR"));
  EXPECT_EQ(terminal.cursor(), (Position{8, 1}));
  for (int row = 8; row <= 25; ++row) EXPECT_EQ(terminal.rowText(row, Blanks::kTrim), "") << row;
}

TEST(FirstUseExit, OnlyTheProgramsOwnScrollMovesTheScreenUp) {
  PtyTerminal terminal = startWith({});
  ASSERT_TRUE(eventually(
      terminal, [&] { return ready(terminal); }, kWait));
  // Hands until the quit question comes on the last row.
  for (int hand = 0; hand < 4 && terminal.cursor().row < 23; ++hand) {
    const int entryRow = terminal.cursor().row;
    terminal.sendText("akqjx kx - 5432xx\r");
    ASSERT_TRUE(eventually(
        terminal,
        [&] {
          return terminal.cursor().row != entryRow && terminal.cursor().column == 19
                     ? AssertionSuccess()
                     : AssertionFailure() << "no new entry line";
        },
        kWait));
  }
  terminal.sendKey(VTERM_KEY_ESCAPE);
  ASSERT_TRUE(eventually(
      terminal, [&] { return rowHas(terminal, 25, " Quit program?  (Y/n) "); }, kWait));
  const std::vector<std::string> shown = rowTexts(terminal, 2, 25);
  terminal.sendText("y");
  ASSERT_EQ(terminal.waitForExit(kWait), 0) << terminal.dump();
  EXPECT_EQ(rowTexts(terminal, 1, 24), shown) << terminal.dump();
  EXPECT_EQ(terminal.cursor(), (Position{25, 1}));
}

// The column where the text starts on the row, 0 when it is not there.
int columnOf(const PtyTerminal& terminal, int row, const std::string& text) {
  const std::string line = terminal.rowText(row);
  const std::size_t at = line.find(text);
  return at == std::string::npos ? 0 : static_cast<int>(glyphs(line.substr(0, at)).size()) + 1;
}

TEST(FirstUseAscii, HonorTricksSpellTheHalfOutUnderTheKleinmanMark) {
  PtyTerminal terminal = startWith({"LANG=C", "LC_ALL=C"});
  ASSERT_TRUE(eventually(
      terminal, [&] { return ready(terminal); }, kWait));
  terminal.sendText("akt9xx - qjxxx t2\r");
  ASSERT_TRUE(eventually(
      terminal,
      [&] {
        return allOf({rowHas(terminal, 10, "Kleinman Points:  10+   "),
                      rowHas(terminal, 11, "Honor Tricks:     2.5   "),
                      hasText(terminal, {11, 62}, "2.5", kWhite, kBlue),
                      rowHas(terminal, 13, "* opening count")});
      },
      kWait));
  // The box keeps its columns: the same bars as with the half sign.
  EXPECT_EQ(columnOf(terminal, 11, "2.5   │ * │"), 62) << terminal.dump();
  EXPECT_EQ(columnOf(terminal, 10, "10+   │   │"), 62) << terminal.dump();

  terminal.sendText("hmmmmmmm");  // the honor tricks page
  EXPECT_TRUE(eventually(
      terminal,
      [&] {
        return allOf({rowHas(terminal, 10, "1.5 honor tricks:  AQ"),
                      rowHas(terminal, 12, ".5 honor trick:    Kx"),
                      rowHas(terminal, 22, "2.5 honor tricks = opening bid")});
      },
      kWait));
}

TEST(FirstUseMonochrome, BarsQuestionAndHintStandOutAndInitialsDiffer) {
  PtyTerminal terminal = startWith({"TERM=vt100"});
  const auto bold = [&](Position at, bool expected) {
    if (terminal.cell(at.row, at.column).bold == expected) return AssertionSuccess();
    return AssertionFailure() << "cell " << at.row << "," << at.column
                              << (expected ? " is not" : " is") << " bold";
  };
  ASSERT_TRUE(eventually(
      terminal,
      [&] {
        return allOf({ready(terminal), rowHas(terminal, 12, "For instructions"),
                      reverseRun(terminal, {12, 26}, 29, true),
                      reverseRun(terminal, {5, 1}, 15, false), bold({5, 70}, true),
                      bold({5, 71}, false), bold({5, 76}, true), bold({5, 77}, false)});
      },
      kWait));

  terminal.sendText("A\r");
  ASSERT_TRUE(eventually(
      terminal,
      [&] {
        return allOf({rowHas(terminal, 7, " The hand has only 1 card "),
                      reverseRun(terminal, {7, 19}, 26, true)});
      },
      kWait));
  terminal.sendText("x");
  terminal.sendKey(VTERM_KEY_BACKSPACE);
  terminal.sendKey(VTERM_KEY_ESCAPE);
  EXPECT_TRUE(eventually(
      terminal,
      [&] {
        return allOf({rowHas(terminal, 7, " Quit program?  (Y/n) "),
                      reverseRun(terminal, {7, 30}, 22, true)});
      },
      kWait));
}

}  // namespace
}  // namespace bidgauge::e2e
