// The pager driven key by key: leaving, refused keys, going back, and drawing
// on whatever screen and background it is given.
#include "help/help_pager.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/key.hpp"
#include "help_test_support.hpp"

namespace bidgauge {
namespace {

ScreenPicture shownAt(const HelpRun& run, std::size_t wait) {
  return pictureOf(run.waits.at(wait).screen);
}

// Every cell written with a marker in colours the pages never use, the last
// cell too, so that a scroll is pending; the current colours are left as found.
void scribble(Console& console) {
  const int foreground = console.screen().foreground();
  const int background = console.screen().background();
  console.setColor(color::darkGrey, color::red);
  for (int row = 1; row <= Screen::kRows; ++row) {
    console.moveCursor(row, 1);
    console.printText(std::string(Screen::kColumns, '#'));
  }
  console.setColor(foreground, background);
}

struct LeaveCase {
  int page;
  std::string key;
};

class HelpPagerLeaves : public testing::TestWithParam<LeaveCase> {};

TEST_P(HelpPagerLeaves, AtOnceWithoutASound) {
  const LeaveCase& c = GetParam();
  const HelpRun run = runHelp(repeated("M", c.page - 1, {c.key}));
  EXPECT_TRUE(run.left);
  ASSERT_EQ(run.waits.size(), static_cast<std::size_t>(c.page));
  expectSamePicture(pictureOf(run.waits.back().screen), pageFixture(c.page));
  EXPECT_EQ(run.beeps, 0);
}

std::vector<LeaveCase> leaveCases() {
  std::vector<LeaveCase> cases;
  for (int page = 1; page <= 10; ++page) {
    for (const char* key : {"Q", "q", "\x1B"}) cases.push_back({page, key});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(FromEveryPage, HelpPagerLeaves, testing::ValuesIn(leaveCases()),
                         [](const testing::TestParamInfo<LeaveCase>& param) {
                           return pageKeyTestName(param.param.page, param.param.key);
                         });

struct RefusedCase {
  const char* name;
  std::vector<std::string> keysToPage;  // reaching the page
  std::string refused;
};

class HelpPagerRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(HelpPagerRefuses, WithABeepAndWithoutRedrawing) {
  const RefusedCase& c = GetParam();
  std::vector<std::string> keys = c.keysToPage;
  keys.insert(keys.end(), {c.refused, c.refused, "Q"});
  const HelpRun run = runHelp(keys);
  ASSERT_TRUE(run.left);
  const std::size_t before = c.keysToPage.size();
  ASSERT_EQ(run.waits.size(), before + 3);
  for (std::size_t i = 1; i <= 2; ++i) {
    EXPECT_EQ(run.waits[before + i].beeps, run.waits[before].beeps + static_cast<int>(i));
    // Not a single drawing call in between: the screen's change count stands still.
    EXPECT_EQ(run.waits[before + i].screen.version(), run.waits[before].screen.version());
    EXPECT_EQ(run.waits[before + i].screen, run.waits[before].screen);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HelpPagerRefuses,
    testing::Values(RefusedCase{"BackOnFirstPage", {}, "B"},
                    RefusedCase{"LowerCaseBackOnFirstPage", {}, "b"},
                    RefusedCase{"MoreOnLastPage", repeated("M", 9), "M"},
                    RefusedCase{"LetterH", {"M"}, "H"}, RefusedCase{"Space", repeated("M", 4), " "},
                    RefusedCase{"Backspace", repeated("M", 4), "\b"},
                    RefusedCase{"FunctionKeyF1", repeated("M", 6), keys::f1.text()},
                    RefusedCase{"PageDown", repeated("M", 8), keys::pageDown.text()}),
    [](const testing::TestParamInfo<RefusedCase>& param) { return param.param.name; });

TEST(HelpPager, HoldingMoreWalksToTheLastPageThenBeepsForEveryFurtherPress) {
  const HelpRun run = runHelp(repeated("M", 12, {"Q"}));
  ASSERT_TRUE(run.left);
  ASSERT_EQ(run.waits.size(), 13u);
  for (std::size_t wait = 9; wait < 13; ++wait) {
    expectSamePicture(shownAt(run, wait), pageFixture(10));
  }
  EXPECT_EQ(run.beeps, 3);
}

TEST(HelpPager, EnterPagesForwardAndOnTheLastPageBack) {
  const HelpRun run = runHelp(repeated("\r", 10, {"Q"}));
  ASSERT_EQ(run.waits.size(), 11u);
  expectSamePicture(shownAt(run, 9), pageFixture(10));
  expectSamePicture(shownAt(run, 10), pageFixture(9));
  EXPECT_EQ(run.beeps, 0);
}

TEST(HelpPager, LowerCaseKeysWorkToo) {
  const HelpRun run = runHelp({"m", "m", "b", "q"});
  EXPECT_TRUE(run.left);
  expectSamePicture(shownAt(run, 3), pageFixture(2));
  EXPECT_EQ(run.beeps, 0);
}

TEST(HelpPager, ShowsAPageAlikeOnEveryVisit) {
  // Forward to page 9 and back to page 2, then out and in again.
  const HelpRun run = runHelp(repeated("M", 8, repeated("B", 7, {"Q"})));
  ASSERT_EQ(run.waits.size(), 16u);
  for (std::size_t back = 9; back < 16; ++back) {
    const std::size_t first = 16 - back;  // wait at which that page was first shown
    SCOPED_TRACE("page " + std::to_string(first + 1));
    expectSamePicture(shownAt(run, back), shownAt(run, first));
  }
}

TEST(HelpPager, MakesTheCursorVisibleOnPageOne) {
  const HelpRun run = runHelp({"Q"});
  EXPECT_TRUE(run.cursorVisible);
}

TEST(HelpPager, KeepsWaitingUntilTheUserLeaves) {
  const HelpRun run = runHelp({"M", "M"});
  EXPECT_FALSE(run.left);
}

TEST(HelpPager, ClearsEveryTraceOfTheScreenBeforeEachPage) {
  const std::vector<std::string> keys = repeated("M", 9, repeated("B", 9, {"Q"}));
  const HelpRun run = runHelp(keys, color::blue, scribble);
  ASSERT_EQ(run.waits.size(), 19u);
  for (std::size_t wait = 0; wait < run.waits.size(); ++wait) {
    const int page = wait < 10 ? static_cast<int>(wait) + 1 : 19 - static_cast<int>(wait);
    SCOPED_TRACE("page " + std::to_string(page));
    expectSamePicture(shownAt(run, wait), pageFixture(page));
  }
}

class HelpPagerBackground : public testing::TestWithParam<int> {};

TEST_P(HelpPagerBackground, IsKeptOnEveryCellOfEveryPage) {
  const int background = GetParam();
  const HelpRun run = runHelp(repeated("M", 9, {"Q"}), background);
  ASSERT_EQ(run.waits.size(), 10u);
  for (int page = 1; page <= 10; ++page) {
    SCOPED_TRACE("page " + std::to_string(page));
    const ScreenPicture shown = shownAt(run, static_cast<std::size_t>(page - 1));
    EXPECT_EQ(shown.background, background);
    expectSamePicture(shown, pageFixture(page), false);
  }
}

// The console colours by name, in the order of their numbers.
constexpr const char* kColorNames[] = {"Black",    "Blue",         "Green",      "Cyan",
                                       "Red",      "Magenta",      "Brown",      "LightGrey",
                                       "DarkGrey", "LightBlue",    "LightGreen", "LightCyan",
                                       "LightRed", "LightMagenta", "Yellow",     "BrightWhite"};

INSTANTIATE_TEST_SUITE_P(Backgrounds, HelpPagerBackground,
                         testing::Values(color::blue, color::black, color::cyan, color::red),
                         [](const testing::TestParamInfo<int>& param) -> std::string {
                           return kColorNames[param.param];
                         });

}  // namespace
}  // namespace bidgauge
