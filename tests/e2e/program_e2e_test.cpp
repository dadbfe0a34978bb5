// The real program in an emulated 80x25 xterm, read back cell by cell.

#include <chrono>
#include <functional>
#include <initializer_list>
#include <optional>
#include <regex>
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

constexpr Position kEntry{5, 19};
const std::string kTitle =
    "EVAL:  Kaplan Four C's - Zar Points - Kleiman Points - Culbertson Honor Tricks";
const std::string kQuitPrompt = " Quit program?  (Y/n) ";

PtyTerminal startProgram(TerminalSize size = {}) {
  return PtyTerminal({BIDGAUGE_PROGRAM}, size);
}

std::string repeat(std::string_view text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

// Where the text stands on the screen; rows are searched whole, since the
// text may end in blanks.
std::optional<Position> find(const PtyTerminal& terminal, const std::string& text) {
  for (int row = 1; row <= terminal.size().rows; ++row) {
    const std::string line = terminal.rowText(row);
    if (const std::size_t at = line.find(text); at != std::string::npos) {
      return Position{row, static_cast<int>(glyphs(line.substr(0, at)).size()) + 1};
    }
  }
  return std::nullopt;
}

AssertionResult allOf(std::initializer_list<AssertionResult> results) {
  for (const AssertionResult& result : results) {
    if (!result) return result;
  }
  return AssertionSuccess();
}

AssertionResult cursorAt(const PtyTerminal& terminal, Position at) {
  if (terminal.cursor() == at && terminal.cursorVisible()) return AssertionSuccess();
  return AssertionFailure() << "cursor at " << terminal.cursor().row << ","
                            << terminal.cursor().column
                            << (terminal.cursorVisible() ? "" : " (hidden)") << ", expected "
                            << at.row << "," << at.column;
}

AssertionResult cursorHidden(const PtyTerminal& terminal) {
  if (!terminal.cursorVisible()) return AssertionSuccess();
  return AssertionFailure() << "the cursor is visible";
}

AssertionResult blankRows(const PtyTerminal& terminal, int first, int last) {
  for (int row = first; row <= last; ++row) {
    if (AssertionResult result = hasBlanks(terminal, {row, 1}, 80, kBlue); !result) return result;
  }
  return AssertionSuccess();
}

// The notice's wording is free; it names a size as 80x25 or 80 columns by 25 rows,
// possibly wrapped.
AssertionResult mentionsSize(const PtyTerminal& terminal, int columns, int rows) {
  const std::regex pattern(std::to_string(columns) + R"(\s*(x|×|columns\s+by)\s*)" +
                           std::to_string(rows));
  if (std::regex_search(terminal.screenText(), pattern)) return AssertionSuccess();
  return AssertionFailure() << "the screen does not mention " << columns << "x" << rows;
}

AssertionResult creditLine(const PtyTerminal& terminal) {
  const std::string credit = terminal.rowText(3).substr(33, 13);
  if (credit.rfind("by", 0) != 0) {
    return AssertionFailure() << "row 3 column 34 reads \"" << credit << "\", not by ...";
  }
  return allOf(
      {hasBlanks(terminal, {3, 1}, 33, kBlue), hasText(terminal, {3, 34}, credit, kBrown, kBlue)});
}

AssertionResult hintShown(const PtyTerminal& terminal) {
  return allOf({hasBlanks(terminal, {12, 1}, 25, kBlue),
                hasText(terminal, {12, 26}, " For instructions, press \"H\" ", kBlue, kLightCyan),
                hasBlanks(terminal, {12, 55}, 26, kBlue)});
}

// The first screen, with nothing typed yet.
AssertionResult titleScreen(const PtyTerminal& terminal) {
  return allOf({
      blankRows(terminal, 1, 1),
      hasBlanks(terminal, {2, 1}, 20, kBlue),
      hasText(terminal, {2, 21}, "♠ ♥ ♦ ♣", kLightRed, kBlue),
      hasText(terminal, {2, 28}, "  OPENING BID EVALUATOR  ", kLightGreen, kBlue),
      hasText(terminal, {2, 53}, "♣ ♦ ♥ ♠", kLightRed, kBlue),
      hasBlanks(terminal, {2, 60}, 21, kBlue),
      creditLine(terminal),
      hasText(terminal, {4, 1}, " " + repeat("─", 78), kDarkGrey, kBlue),
      hasBlanks(terminal, {4, 80}, 1, kBlue),
      hasText(terminal, {5, 1}, "  Enter a hand:", kYellow, kBlue),
      hasBlanks(terminal, {5, 16}, 54, kBlue),
      hasText(terminal, {5, 70}, "H", kWhite, kBlue),
      hasText(terminal, {5, 71}, "elp  ", kDarkGrey, kBlue),
      hasText(terminal, {5, 76}, "E", kWhite, kBlue),
      hasText(terminal, {5, 77}, "nd ", kDarkGrey, kBlue),
      hasBlanks(terminal, {5, 80}, 1, kBlue),
      blankRows(terminal, 6, 11),
      hintShown(terminal),
      blankRows(terminal, 13, 25),
      cursorAt(terminal, kEntry),
  });
}

// The typed text on the entry row, with the cursor right after it.
AssertionResult entryShows(const PtyTerminal& terminal, std::string_view typed) {
  const int length = static_cast<int>(glyphs(typed).size());
  return allOf({hasText(terminal, kEntry, typed, kWhite, kBlue),
                hasBlanks(terminal, {kEntry.row, kEntry.column + length}, 51 - length, kBlue),
                cursorAt(terminal, {kEntry.row, kEntry.column + length})});
}

AssertionResult quitPromptShown(const PtyTerminal& terminal) {
  return allOf(
      {hasText(terminal, {7, 30}, kQuitPrompt, kWhite, kMagenta), cursorAt(terminal, {7, 47})});
}

class ProgramTest : public ::testing::Test {
 protected:
  // Keys pressed before the screen is up would be flushed; wait for it first.
  void SetUp() override { ASSERT_TRUE(eventually(terminal_, ready_, kWait)); }

  PtyTerminal terminal_ = startProgram();
  std::function<AssertionResult()> ready_ = [this] { return titleScreen(terminal_); };
};

TEST_F(ProgramTest, TitleScreenShowsBannerPromptAndHint) {
  EXPECT_EQ(terminal_.title(), kTitle);
  EXPECT_TRUE(terminal_.altScreen());
}

TEST_F(ProgramTest, RefusedKeyErasesHintAndCardsEchoInUpperCase) {
  terminal_.sendText("Z");
  ASSERT_TRUE(eventually(
      terminal_,
      [&] {
        return allOf({blankRows(terminal_, 12, 12), entryShows(terminal_, "")});
      },
      kWait));
  terminal_.sendText("akt9xx");
  EXPECT_TRUE(eventually(
      terminal_, [&] { return entryShows(terminal_, "AKT9xx"); }, kWait));
}

TEST_F(ProgramTest, ErrorBarWaitsForAKeyThatIsThenDropped) {
  terminal_.sendText("A\r");
  ASSERT_TRUE(eventually(
      terminal_,
      [&] {
        return allOf({hasText(terminal_, {7, 19}, " The hand has only 1 card ", kWhite, kMagenta),
                      cursorHidden(terminal_)});
      },
      kWait));
  terminal_.sendText("K");
  ASSERT_TRUE(eventually(
      terminal_,
      [&] {
        return allOf({hasBlanks(terminal_, {7, 19}, 40, kBlue), entryShows(terminal_, "A")});
      },
      kWait));
  terminal_.sendText("K");
  EXPECT_TRUE(eventually(
      terminal_, [&] { return entryShows(terminal_, "AK"); }, kWait));
}

TEST_F(ProgramTest, BackspaceTakesCharactersBackInEitherEncoding) {
  // The Backspace key sends DEL here; other terminals send Ctrl+H.
  const struct {
    const char* name;
    std::function<void()> press;
  } encodings[] = {{"DEL", [&] { terminal_.sendKey(VTERM_KEY_BACKSPACE); }},
                   {"Ctrl+H", [&] { terminal_.sendBytes("\b"); }}};
  for (const auto& encoding : encodings) {
    SCOPED_TRACE(encoding.name);
    terminal_.sendText("AK");
    ASSERT_TRUE(eventually(
        terminal_, [&] { return entryShows(terminal_, "AK"); }, kWait));
    encoding.press();
    encoding.press();
    ASSERT_TRUE(eventually(
        terminal_, [&] { return entryShows(terminal_, ""); }, kWait));
  }
  // The cards went back out of the hand: typing them again is no duplicate.
  terminal_.sendText("AK");
  EXPECT_TRUE(eventually(
      terminal_, [&] { return entryShows(terminal_, "AK"); }, kWait));
}

TEST_F(ProgramTest, QuitPromptAnsweredNoStartsAFreshTitleScreen) {
  terminal_.sendText("AK");
  ASSERT_TRUE(eventually(
      terminal_, [&] { return entryShows(terminal_, "AK"); }, kWait));
  terminal_.sendKey(VTERM_KEY_ESCAPE);
  ASSERT_TRUE(eventually(
      terminal_, [&] { return quitPromptShown(terminal_); }, kWait));
  terminal_.sendText("n");
  EXPECT_TRUE(eventually(terminal_, ready_, kWait));
}

TEST_F(ProgramTest, CtrlCIsJustARefusedKey) {
  terminal_.sendCtrl('c');
  terminal_.sendText("A");
  EXPECT_TRUE(eventually(
      terminal_, [&] { return entryShows(terminal_, "A"); }, kWait));
  EXPECT_EQ(terminal_.waitForExit(0ms), std::nullopt);
}

TEST_F(ProgramTest, HangUpEndsTheProgram) {
  terminal_.closeMaster();
  EXPECT_NE(terminal_.waitForExit(kWait), std::nullopt);
}

TEST_F(ProgramTest, ShrunkTerminalShowsNoticeAndGrownBackRedraws) {
  terminal_.sendText("AK");
  ASSERT_TRUE(eventually(
      terminal_, [&] { return entryShows(terminal_, "AK"); }, kWait));
  const std::vector<Cell> before = terminal_.cells();
  terminal_.resize(70, 20);
  ASSERT_TRUE(eventually(
      terminal_,
      [&] {
        return allOf({mentionsSize(terminal_, 80, 25), mentionsSize(terminal_, 70, 20)});
      },
      kWait));
  terminal_.resize(80, 25);
  ASSERT_TRUE(eventually(
      terminal_,
      [&] {
        return allOf({hasCells(terminal_, before), entryShows(terminal_, "AK")});
      },
      kWait));
  terminal_.sendText("Q");
  EXPECT_TRUE(eventually(
      terminal_, [&] { return entryShows(terminal_, "AKQ"); }, kWait));
}

// Each way of saying yes ends the program with status 0 and leaves the
// terminal as it was, with the last screen printed on the normal screen.
TEST(ProgramQuit, YesEnterOrEscapeRestoresTheTerminal) {
  const struct {
    const char* name;
    std::function<void(PtyTerminal&)> answer;
  } answers[] = {{"y", [](PtyTerminal& t) { t.sendText("y"); }},
                 {"Y", [](PtyTerminal& t) { t.sendText("Y"); }},
                 {"Enter", [](PtyTerminal& t) { t.sendKey(VTERM_KEY_ENTER); }},
                 {"Escape", [](PtyTerminal& t) { t.sendKey(VTERM_KEY_ESCAPE); }}};
  for (const auto& answer : answers) {
    SCOPED_TRACE(answer.name);
    PtyTerminal terminal = startProgram();
    ASSERT_TRUE(eventually(
        terminal, [&] { return titleScreen(terminal); }, kWait));
    terminal.sendKey(VTERM_KEY_ESCAPE);
    ASSERT_TRUE(eventually(
        terminal, [&] { return quitPromptShown(terminal); }, kWait));
    answer.answer(terminal);
    ASSERT_EQ(terminal.waitForExit(kWait), 0) << terminal.dump();
    EXPECT_FALSE(terminal.altScreen());
    EXPECT_TRUE(terminal.cursorVisible());
    const std::optional<Position> prompt = find(terminal, kQuitPrompt);
    ASSERT_TRUE(prompt) << terminal.dump();
    EXPECT_EQ(prompt->column, 30);
    EXPECT_TRUE(hasText(terminal, *prompt, kQuitPrompt, kWhite, kMagenta));
    EXPECT_TRUE(find(terminal, "  OPENING BID EVALUATOR  ")) << terminal.dump();
    const termios modes = terminal.terminalModes();
    EXPECT_EQ(modes.c_lflag & (ICANON | ECHO | ISIG), tcflag_t{ICANON | ECHO | ISIG});
    EXPECT_EQ(modes.c_iflag & ICRNL, tcflag_t{ICRNL});
  }
}

TEST(ProgramInput, ReadsTheKeyboardWhenStandardInputIsRedirected) {
  PtyTerminal terminal({"/bin/sh", "-c", R"(exec "$0" </dev/null)", BIDGAUGE_PROGRAM});
  ASSERT_TRUE(eventually(
      terminal, [&] { return titleScreen(terminal); }, kWait));
  terminal.sendText("a");
  EXPECT_TRUE(eventually(
      terminal, [&] { return entryShows(terminal, "A"); }, kWait));
}

TEST(ProgramSize, StartsTooSmallAndBecomesUsableWhenGrown) {
  PtyTerminal terminal = startProgram({80, 24});
  ASSERT_TRUE(eventually(
      terminal,
      [&] {
        return allOf({mentionsSize(terminal, 80, 25), mentionsSize(terminal, 80, 24)});
      },
      kWait));
  terminal.resize(80, 25);
  ASSERT_TRUE(eventually(
      terminal, [&] { return titleScreen(terminal); }, kWait));
  terminal.sendText("A");
  EXPECT_TRUE(eventually(
      terminal, [&] { return entryShows(terminal, "A"); }, kWait));
}

}  // namespace
}  // namespace bidgauge::e2e
