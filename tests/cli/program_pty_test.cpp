// The program on an emulated terminal: colour output and the help words.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "e2e/pty_terminal.hpp"
#include "e2e/screen_checks.hpp"

namespace bidgauge::e2e {
namespace {

using namespace std::chrono_literals;

bool anyRowHas(const PtyTerminal& terminal, const std::string& text) {
  for (int row = 1; row <= terminal.size().rows; ++row) {
    if (terminal.rowText(row).find(text) != std::string::npos) return true;
  }
  return false;
}

TEST(ProgramOnATerminal, PrintsTheHandInTheProgramsColours) {
  PtyTerminal terminal({BIDGAUGE_PROGRAM, "kqtxxxx", "axx", "tx", "x"});
  ASSERT_EQ(terminal.waitForExit(kWait), 0) << terminal.dump();
  EXPECT_TRUE(hasText(terminal, {1, 1}, "  Enter a hand:", kYellow, kBlue));
  EXPECT_TRUE(hasText(terminal, {1, 19}, "KQTxxxx Axx Tx x", kWhite, kBlue));
  EXPECT_TRUE(hasBlanks(terminal, {2, 1}, 80, kBlue));
  EXPECT_TRUE(hasText(terminal, {4, 9}, "│", kLightCyan, kBlue));
  EXPECT_TRUE(hasText(terminal, {4, 11}, "♠", kLightRed, kBlue));
  EXPECT_TRUE(hasText(terminal, {4, 44}, "KnR Points:", kYellow, kBlue));
  EXPECT_TRUE(hasText(terminal, {4, 62}, "14.10", kWhite, kBlue));
  EXPECT_EQ(terminal.rowText(9, Blanks::kTrim), std::string(49, ' ') + "* opening count");
  // The colours end with the panel.
  EXPECT_EQ(terminal.cell(10, 1).bg, -1);
}

TEST(ProgramOnATerminal, HelpWordOpensTheHelpPagesThenTheTitleScreen) {
  for (const char* word : {"?", "h"}) {
    PtyTerminal terminal({BIDGAUGE_PROGRAM, word});
    ASSERT_TRUE(terminal.waitFor([&] { return anyRowHas(terminal, "INSTRUCTIONS"); }, kWait))
        << word << "\n"
        << terminal.dump();
    // Drawn on the main screen's blue, as when H opens them.
    EXPECT_TRUE(terminal.waitFor(
        [&] {
          return hasBlanks(terminal, {1, 1}, 1, kBlue) && hasBlanks(terminal, {24, 1}, 32, kBlue);
        },
        kWait))
        << word << "\n"
        << terminal.dump();
    terminal.sendKey(VTERM_KEY_ESCAPE);
    ASSERT_TRUE(
        terminal.waitFor([&] { return anyRowHas(terminal, "OPENING BID EVALUATOR"); }, kWait))
        << word << "\n"
        << terminal.dump();
    terminal.sendKey(VTERM_KEY_ESCAPE);
    ASSERT_TRUE(terminal.waitFor([&] { return anyRowHas(terminal, "Quit program?"); }, kWait))
        << terminal.dump();
    terminal.sendText("y");
    EXPECT_EQ(terminal.waitForExit(kWait), 0);
  }
}

}  // namespace
}  // namespace bidgauge::e2e
