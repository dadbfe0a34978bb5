#include "e2e/pty_terminal.hpp"

#include <signal.h>

#include <cerrno>
#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "e2e/screen_checks.hpp"

namespace bidgauge::e2e {
namespace {

using namespace std::chrono_literals;

PtyTerminal shell(const std::string& script, TerminalSize size = {}) {
  return PtyTerminal({"/bin/sh", "-c", script}, size);
}

bool screenHas(const PtyTerminal& terminal, const std::string& text) {
  return terminal.screenText().find(text) != std::string::npos;
}

TEST(DosColor, UndoesTheRedBlueSwap) {
  struct Case {
    int palette;
    int dos;
  };
  const Case cases[] = {{0, 0},   {1, 4},  {3, 6},   {4, 1},   {7, 7},   {8, 8},   {9, 12},
                        {11, 14}, {12, 9}, {14, 11}, {15, 15}, {-1, -1}, {16, -1}, {196, -1}};
  for (const Case& c : cases) EXPECT_EQ(dosColor(c.palette), c.dos) << "palette " << c.palette;
}

TEST(DosColor, BoldBrightensOnlyWhenAsked) {
  const Cell boldRed{"x", 1, 4, true, false};
  EXPECT_EQ(dosForeground(boldRed), 4);
  EXPECT_EQ(dosForeground(boldRed, true), 12);
  EXPECT_EQ(dosForeground(Cell{"x", 12, 4, true, false}, true), 9);
}

TEST(PtyTerminal, ReadsTextColoursAndGlyphs) {
  PtyTerminal terminal = shell(
      R"(printf '\033[1;31mhi\033[0m \033[94;41mX\033[38;5;14;48;5;3mY\033[0m\342\231\240'; exit 3)");
  ASSERT_TRUE(
      terminal.waitFor([&] { return terminal.rowText(1, Blanks::kTrim) == "hi XY♠"; }, kWait))
      << terminal.dump();
  EXPECT_EQ(terminal.cell(1, 1), (Cell{"h", 1, -1, true, false}));
  EXPECT_TRUE(hasText(terminal, {1, 4}, "X", 9, 4));
  EXPECT_TRUE(hasText(terminal, {1, 5}, "Y", 11, 6));
  EXPECT_EQ(terminal.cell(1, 6), (Cell{"♠", -1, -1, false, false}));
  EXPECT_EQ(terminal.cell(1, 7).text, " ");
  EXPECT_FALSE(hasText(terminal, {1, 4}, "X", 9, 1));
  EXPECT_EQ(terminal.waitForExit(kWait), 3);
  EXPECT_GT(terminal.bytesReceived(), 10u);
}

TEST(PtyTerminal, KeepsOrTrimsTrailingBlanksAndRefusesCellsOffScreen) {
  PtyTerminal terminal = shell("printf 'ab'; exit 0", {40, 10});
  ASSERT_EQ(terminal.waitForExit(kWait), 0);
  EXPECT_EQ(terminal.rowText(1), "ab" + std::string(38, ' '));
  EXPECT_EQ(terminal.rowText(1, Blanks::kTrim), "ab");
  EXPECT_THROW(terminal.cell(1, 41), std::out_of_range);
  EXPECT_THROW(terminal.cell(11, 1), std::out_of_range);
  EXPECT_THROW(terminal.cell(0, 1), std::out_of_range);
}

TEST(PtyTerminal, FollowsCursorTitleAndAlternateScreen) {
  PtyTerminal terminal =
      shell(R"(printf '\033]0;A title\007\033[?1049halt\033[?1049lmain\033[3;7H\033[?25l'; )"
            R"(echo; read x)");
  ASSERT_TRUE(terminal.waitFor(
      [&] {
        return !terminal.cursorVisible() && terminal.cursor() == Position{4, 1};
      },
      kWait))
      << terminal.dump();
  EXPECT_EQ(terminal.title(), "A title");
  EXPECT_EQ(terminal.rowText(1, Blanks::kTrim), "main");
  EXPECT_FALSE(terminal.altScreen());
}

TEST(PtyTerminal, SendsKeysAsTheTerminalEncodesThem) {
  PtyTerminal terminal =
      shell("stty raw -echo; echo ready; head -c 9 | od -An -tx1; stty sane; read x");
  ASSERT_TRUE(terminal.waitFor([&] { return screenHas(terminal, "ready"); }, kWait));
  terminal.sendKey(VTERM_KEY_UP);
  terminal.sendCtrl('c');
  terminal.sendText("é");
  terminal.sendFunctionKey(1);
  ASSERT_TRUE(
      terminal.waitFor([&] { return screenHas(terminal, "1b 5b 41 03 c3 a9 1b 4f 50"); }, kWait))
      << terminal.dump();
}

TEST(PtyTerminal, AnswersTheChildsQueries) {
  PtyTerminal terminal =
      shell(R"(stty raw -echo; printf '\033[6n'; head -c 6 | od -An -tx1; stty sane; read x)");
  ASSERT_TRUE(terminal.waitFor([&] { return screenHas(terminal, "1b 5b 31 3b 31 52"); }, kWait))
      << terminal.dump();
}

TEST(PtyTerminal, ResizesWindowAndScreenTogether) {
  PtyTerminal terminal = shell("stty size; read x; stty size; read x", {100, 30});
  ASSERT_TRUE(terminal.waitFor([&] { return screenHas(terminal, "30 100"); }, kWait))
      << terminal.dump();
  terminal.resize(70, 20);
  EXPECT_EQ(terminal.size().columns, 70);
  EXPECT_EQ(terminal.size().rows, 20);
  terminal.sendText("\r");
  ASSERT_TRUE(terminal.waitFor([&] { return screenHas(terminal, "20 70"); }, kWait))
      << terminal.dump();
  EXPECT_EQ(terminal.rowText(1).size(), 70u);
}

TEST(PtyTerminal, ReportsHowTheChildEnded) {
  struct Case {
    const char* script;
    int status;
  };
  const Case cases[] = {{"exit 0", 0}, {"exit 7", 7}, {"kill -TERM $$", 128 + SIGTERM}};
  for (const Case& c : cases) {
    PtyTerminal terminal = shell(c.script);
    EXPECT_EQ(terminal.waitForExit(kWait), c.status) << c.script;
  }
}

TEST(PtyTerminal, DeliversSignalsAndHangUps) {
  struct Case {
    bool hangUp;
    int status;
  };
  for (const Case c : {Case{false, 128 + SIGTERM}, Case{true, 128 + SIGHUP}}) {
    PtyTerminal terminal = shell("echo up; exec sleep 30");
    ASSERT_TRUE(terminal.waitFor([&] { return screenHas(terminal, "up"); }, kWait));
    EXPECT_EQ(terminal.waitForExit(0ms), std::nullopt);
    if (c.hangUp) {
      terminal.closeMaster();
    } else {
      terminal.sendSignal(SIGTERM);
    }
    EXPECT_EQ(terminal.waitForExit(kWait), c.status) << "hang-up " << c.hangUp;
  }
}

TEST(PtyTerminal, ShowsTheLineModesTheChildLeaves) {
  PtyTerminal cooked = shell("exit 0");
  ASSERT_EQ(cooked.waitForExit(kWait), 0);
  EXPECT_NE(cooked.terminalModes().c_lflag & ICANON, 0u);
  PtyTerminal raw = shell("stty raw -echo; exit 0");
  ASSERT_EQ(raw.waitForExit(kWait), 0);
  EXPECT_EQ(raw.terminalModes().c_lflag & (ICANON | ECHO), 0u);
}

TEST(PtyTerminal, GivesUpWaitingOnceTheOutputHasEnded) {
  PtyTerminal terminal = shell("printf x");
  EXPECT_FALSE(terminal.waitFor([] { return false; }, kWait));
  EXPECT_EQ(terminal.waitForExit(kWait), 0);
  EXPECT_EQ(terminal.rowText(1, Blanks::kTrim), "x");
}

TEST(PtyTerminal, KillsAndReapsTheChildWhenDestroyed) {
  pid_t pid = 0;
  {
    PtyTerminal terminal = shell("echo up; exec sleep 30");
    ASSERT_TRUE(terminal.waitFor([&] { return screenHas(terminal, "up"); }, kWait));
    pid = terminal.pid();
  }
  // A zombie would still accept the signal.
  EXPECT_EQ(kill(pid, 0), -1);
  EXPECT_EQ(errno, ESRCH);
}

TEST(PtyTerminal, RunsTheChildInAFixedEnvironment) {
  PtyTerminal terminal = shell(R"(printf '%s|%s|%s|%s|' "$TERM" "$LC_ALL" "${LINES-}" "$HOME")");
  ASSERT_EQ(terminal.waitForExit(kWait), 0);
  const std::string text = terminal.rowText(1, Blanks::kTrim);
  EXPECT_EQ(text.rfind("xterm-256color|C.UTF-8||/", 0), 0u) << text;
  EXPECT_NE(text.find("bidgauge-e2e-"), std::string::npos) << text;
}

}  // namespace
}  // namespace bidgauge::e2e
