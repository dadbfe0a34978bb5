#include "terminal/terminal_text.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace bidgauge {
namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) result.push_back(line);
  return result;
}

const std::string kReset = "\x1B[0m";
const std::string kHome = "\x1B[H";
const std::string kEraseBelow = "\x1B[J";

// The rows between the cursor-home and erase-below sequences.
std::vector<std::string> framedLines(const std::string& text) {
  EXPECT_EQ(text.rfind(kHome, 0), 0u) << text;
  EXPECT_TRUE(text.ends_with(kEraseBelow)) << text;
  const std::string rows =
      text.substr(kHome.size(), text.size() - kHome.size() - kEraseBelow.size());
  EXPECT_TRUE(rows.empty() || rows.back() == '\n');
  return lines(rows);
}

TEST(LastScreenText, WritesTheRowsAboveTheCursorWithColoursAndAReset) {
  Screen screen;
  screen.setColor(14, 1);
  screen.clearScreen();
  screen.moveCursor(2, 3);
  screen.setColor(12, -1);
  screen.printText("\x06\x03");
  screen.setColor(15, 5);
  screen.printText("1\xAB");
  screen.newLine();

  const std::vector<std::string> rows = framedLines(lastScreenText(screen, {}));
  ASSERT_EQ(rows.size(), 2u);
  // On a wider terminal, the rest of each row is cleared.
  EXPECT_EQ(framedLines(lastScreenText(screen, {true, ColorDepth::sixteen, 100}))[0],
            "\x1B[0;93;44m" + std::string(80, ' ') + kReset + "\x1B[K");
  EXPECT_EQ(rows[0], "\x1B[0;93;44m" + std::string(80, ' ') + kReset);
  EXPECT_EQ(rows[1], "\x1B[0;93;44m  \x1B[0;91;44m\u2660\u2665\x1B[0;97;45m1\u00BD\x1B[0;93;44m" +
                         std::string(74, ' ') + kReset);
}

// The shell's prompt takes the cursor's row, so the terminal scrolls no more
// than the screen itself did.
TEST(LastScreenText, EndsAboveTheCursorOrWithItsRow) {
  Screen screen;
  for (int row = 1; row < Screen::kRows; ++row) screen.newLine();
  EXPECT_EQ(framedLines(lastScreenText(screen, {})).size(), 24u);
  screen.newLine();  // scrolls: the prompt goes on row 25 below the 24 rows
  EXPECT_EQ(framedLines(lastScreenText(screen, {})).size(), 24u);
  screen.moveCursor(7, 30);  // ended by a signal: the whole screen
  EXPECT_EQ(framedLines(lastScreenText(screen, {})).size(), 25u);
  screen.moveCursor(1, 1);
  EXPECT_EQ(lastScreenText(screen, {}), kHome + kEraseBelow);
}

TEST(LastScreenText, FallsBackToAsciiAndEightColours) {
  Screen screen;
  screen.setColor(15, 1);
  screen.printText("\xDA\xC4\x06\xAB");
  screen.newLine();
  screen.newLine();
  const std::vector<std::string> rows =
      framedLines(lastScreenText(screen, {false, ColorDepth::eight, 10}));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], "\x1B[0;1;37;44m+-S+\x1B[0;37;40m      " + kReset);
  EXPECT_EQ(rows[1], "\x1B[0;37;40m" + std::string(10, ' ') + kReset);
}

TEST(LastScreenText, CutsRowsToANarrowTerminal) {
  Screen screen;
  screen.moveCursor(5, 1);
  for (const int width : {1, 40, 79}) {
    const std::vector<std::string> rows =
        framedLines(lastScreenText(screen, {true, ColorDepth::none, width}));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3], "\x1B[0m" + std::string(static_cast<std::size_t>(width), ' ') + kReset);
  }
}

TEST(TitleText, DropsControlCharacters) {
  EXPECT_EQ(titleText("EVAL:  Kaplan Four C's", true), "EVAL:  Kaplan Four C's");
  EXPECT_EQ(titleText("a\x1B]0;evil\x07z\x7F\n", true), "a]0;evilz");
  EXPECT_EQ(titleText("caf\x82 \x06", true), "caf\u00E9 ");
  EXPECT_EQ(titleText("caf\x82 \x06", false), "caf? ");
}

TEST(TooSmallNotice, SaysWhatIsNeededWhatThereIsAndWhatToDo) {
  EXPECT_EQ(tooSmallNotice(80, 24, 80, 25),
            (std::vector<std::string>{
                "bidgauge needs a terminal of at least 80 columns by 25 rows.",
                "",
                "This one has 80 columns by 24 rows.",
                "",
                "Please enlarge the window: the program carries on as soon as it fits.",
                "",
                "Until then keys are ignored; Q or Escape quits the program.",
            }));
}

TEST(TooSmallNotice, WrapsToTheWidthAndCutsToTheHeight) {
  for (const int width : {10, 20, 33, 60}) {
    std::string words;
    for (const std::string& line : tooSmallNotice(width, 50, 80, 25)) {
      EXPECT_LE(line.size(), static_cast<std::size_t>(width)) << line;
      if (!line.empty()) words += (words.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(words, "bidgauge needs a terminal of at least 80 columns by 25 rows. This one has " +
                         std::to_string(width) +
                         " columns by 50 rows. Please enlarge the window: the program carries on "
                         "as soon as it fits. Until then keys are ignored; Q or Escape quits the "
                         "program.");
  }
  const std::vector<std::string> short3 = tooSmallNotice(40, 3, 80, 25);
  ASSERT_EQ(short3.size(), 3u);
  EXPECT_TRUE(std::none_of(short3.begin(), short3.end(), [](auto& l) { return l.empty(); }));
  EXPECT_TRUE(tooSmallNotice(40, 0, 80, 25).empty());
  for (const std::string& line : tooSmallNotice(1, 400, 80, 25)) EXPECT_LE(line.size(), 1u);
}

}  // namespace
}  // namespace bidgauge
