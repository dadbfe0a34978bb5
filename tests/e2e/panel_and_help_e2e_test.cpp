// A whole hand evaluated, and the whole help walked through, in the real
// program under an emulated 80x25 xterm.

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "e2e/pty_terminal.hpp"
#include "e2e/screen_checks.hpp"

namespace bidgauge::e2e {
namespace {

using namespace std::chrono_literals;
using ::testing::AssertionResult;

AssertionResult titleScreenReady(const PtyTerminal& terminal) {
  if (terminal.cursor() != Position{5, 19}) return ::testing::AssertionFailure() << "no prompt";
  return hasText(terminal, {12, 26}, " For instructions, press \"H\" ", kBlue, kLightCyan);
}

// One row of the results box: label in yellow, value in bright white, mark.
AssertionResult resultRow(const PtyTerminal& terminal, int row, const std::string& label,
                          const std::string& value, const std::string& mark) {
  for (const AssertionResult& result :
       {hasText(terminal, {row, 42}, "│", kLightCyan, kBlue),
        hasText(terminal, {row, 43}, " " + label, kYellow, kBlue),
        hasText(terminal, {row, 44 + static_cast<int>(label.size())}, value, kWhite, kBlue),
        hasText(terminal, {row, 68}, "│", kLightCyan, kBlue),
        hasText(terminal, {row, 69}, mark, kWhite, kBlue),
        hasText(terminal, {row, 72}, "│", kLightCyan, kBlue)}) {
    if (!result) return result;
  }
  return ::testing::AssertionSuccess();
}

TEST(ProgramPanel, ShowsTheFourValuesOfATypedHand) {
  PtyTerminal terminal({BIDGAUGE_PROGRAM});
  ASSERT_TRUE(eventually(
      terminal, [&] { return titleScreenReady(terminal); }, kWait));
  terminal.sendText("KQ7543 QT2 A J98\r");
  ASSERT_TRUE(eventually(
      terminal,
      [&] {
        return hasText(terminal, {13, 50}, "* opening count", kLightGrey, kBlue);
      },
      kWait));

  EXPECT_TRUE(hasText(terminal, {7, 9}, "┌───────────────┐", kLightCyan, kBlue));
  EXPECT_TRUE(hasText(terminal, {8, 9}, "│", kLightCyan, kBlue));
  EXPECT_TRUE(hasText(terminal, {8, 10}, " ♠", kLightRed, kBlue));
  EXPECT_TRUE(hasText(terminal, {8, 12}, " K Q 7 5 4 3 ", kYellow, kBlue));
  EXPECT_TRUE(hasText(terminal, {9, 12}, " Q 10 2", kYellow, kBlue));
  EXPECT_TRUE(hasText(terminal, {8, 25}, "│", kLightCyan, kBlue));
  EXPECT_TRUE(hasText(terminal, {7, 42}, "┌─────────────────────────┬───┐", kLightCyan, kBlue));
  EXPECT_TRUE(resultRow(terminal, 8, "KnR Points:       ", "12.35", " * "));
  EXPECT_TRUE(resultRow(terminal, 9, "Zar Points:      ", " 28", " * "));
  EXPECT_TRUE(resultRow(terminal, 10, "Kleinman Points: ", " 11", " * "));
  EXPECT_TRUE(resultRow(terminal, 11, "Honor Tricks:    ", " 2½", " * "));
  EXPECT_TRUE(hasText(terminal, {12, 42}, "└─────────────────────────┴───┘", kLightCyan, kBlue));
  EXPECT_TRUE(eventually(
      terminal,
      [&] {
        if (terminal.cursor() != Position{15, 19}) return ::testing::AssertionFailure() << "cursor";
        return hasText(terminal, {15, 1}, "  Enter a hand:", kYellow, kBlue);
      },
      kWait));
}

// The page's title in its box, as each page of the help shows it.
AssertionResult pageTitle(const PtyTerminal& terminal, int column, const std::string& title) {
  return hasText(terminal, {2, column}, title, kLightRed, kBlue);
}

TEST(ProgramHelp, WalksThroughAllPagesAndBackToAFreshTitleScreen) {
  struct Page {
    int column;
    const char* title;
  };
  const Page pages[] = {{6, "INSTRUCTIONS"},
                        {18, "KAPLAN-RUBENS HAND-EVALUATION SUMMARY   (1/3)"},
                        {18, "KAPLAN-RUBENS HAND-EVALUATION SUMMARY   (2/3)"},
                        {18, "KAPLAN-RUBENS HAND-EVALUATION SUMMARY   (3/3)"},
                        {36, "ABOUT KnR"},
                        {36, "ZAR POINTS"},
                        {22, "KLEINMAN POINTS  :  for balanced hands"},
                        {28, "CULBERTSON HONOR TRICKS"},
                        {33, "KNR DISCLAIMER"}};
  PtyTerminal terminal({BIDGAUGE_PROGRAM});
  ASSERT_TRUE(eventually(
      terminal, [&] { return titleScreenReady(terminal); }, kWait));
  terminal.sendText("AK");
  terminal.sendText("h");
  for (const Page& page : pages) {
    ASSERT_TRUE(eventually(
        terminal, [&] { return pageTitle(terminal, page.column, page.title); }, kWait));
    terminal.sendText("m");
  }
  ASSERT_TRUE(eventually(
      terminal,
      [&] {
        for (const AssertionResult& part : {hasText(terminal, {9, 18}, "╔", kLightCyan, kBlue),
                                            hasText(terminal, {16, 62}, "╝", kLightCyan, kBlue),
                                            hasText(terminal, {25, 33}, "│", kLightGrey, kBlue),
                                            hasText(terminal, {25, 34}, " B", kYellow, kBlue),
                                            hasText(terminal, {25, 36}, "ack", kLightGrey, kBlue),
                                            hasText(terminal, {25, 39}, "  Q", kYellow, kBlue),
                                            hasText(terminal, {25, 42}, "uit ", kLightGrey, kBlue),
                                            hasText(terminal, {25, 46}, "│", kLightGrey, kBlue)}) {
          if (!part) return part;
        }
        return ::testing::AssertionSuccess();
      },
      kWait));

  terminal.sendText("q");
  ASSERT_TRUE(eventually(
      terminal, [&] { return titleScreenReady(terminal); }, kWait));
  EXPECT_TRUE(hasBlanks(terminal, {5, 19}, 20, kBlue));  // the half-typed hand is gone
}

}  // namespace
}  // namespace bidgauge::e2e
