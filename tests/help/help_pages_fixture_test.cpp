// Every help page, cell by cell, against its fixture in tests/help/fixtures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "help_test_support.hpp"

namespace bidgauge {
namespace {

// With BIDGAUGE_WRITE_HELP_FIXTURES=<folder>, the pages as drawn are also
// written there, for review with a diff against the committed fixtures.
void writeForReview(const ScreenPicture& picture, int page) {
  const char* folder = std::getenv("BIDGAUGE_WRITE_HELP_FIXTURES");
  if (folder == nullptr) return;
  const std::string name = std::string(page < 10 ? "page0" : "page") + std::to_string(page);
  std::ofstream{std::string(folder) + "/" + name + ".txt"}
      << formatPicture(picture, "Help page " + std::to_string(page) +
                                    ", drawn on the blue background of the main screen.");
}

class HelpPageFixture : public testing::TestWithParam<int> {};

TEST_P(HelpPageFixture, ReachedByWalkingForwardMatchesFixture) {
  const int page = GetParam();
  const HelpRun run = runHelp(repeated("M", page - 1, {"Q"}));
  ASSERT_TRUE(run.left);
  ASSERT_EQ(run.waits.size(), static_cast<std::size_t>(page));
  const ScreenPicture shown = pictureOf(run.waits.back().screen);
  writeForReview(shown, page);
  expectSamePicture(shown, pageFixture(page));
}

INSTANTIATE_TEST_SUITE_P(Pages, HelpPageFixture, testing::Range(1, 11),
                         [](const testing::TestParamInfo<int>& param) {
                           return "Page" + std::to_string(param.param);
                         });

TEST(HelpPictureFormat, ReadsBackWhatItWrites) {
  const HelpRun run = runHelp({"Q"});
  const ScreenPicture picture = pictureOf(run.waits.front().screen);
  EXPECT_EQ(parsePicture(formatPicture(picture, "round trip")), picture);
}

TEST(HelpPictureFormat, RefusesAShortRow) {
  const HelpRun run = runHelp({"Q"});
  std::string text = formatPicture(pictureOf(run.waits.front().screen), "short row");
  text.erase(text.find("|\n07 |") - 1, 1);  // drop the last cell of row 6
  EXPECT_FALSE(parsePicture(text).has_value());
}

}  // namespace
}  // namespace bidgauge
