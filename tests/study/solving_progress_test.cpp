#include "study/solving_progress.hpp"

#include <gtest/gtest.h>

namespace bidgauge {
namespace {

struct ProgressCase {
  long done;
  long total;
  double seconds;
  std::string_view text;
};

TEST(ProgressText, ShowsDealsRateAndTimeLeft) {
  const ProgressCase cases[] = {
      {0, 10000, 0, "solving: 0/10000 deals"},
      {0, 10000, 3, "solving: 0/10000 deals"},
      {1200, 10000, 1200 / 8.4, "solving: 1200/10000 deals, 8.4 deals/s, 17 min left"},
      {50, 100, 5, "solving: 50/100 deals, 10.0 deals/s, 5 s left"},
      {5, 100, 10, "solving: 5/100 deals, 0.5 deals/s, 3 min left"},
      {1, 10000, 10, "solving: 1/10000 deals, 0.1 deals/s, 27 h 47 min left"},
      {10, 10, 5, "solving: 10/10 deals, 2.0 deals/s"},
  };
  for (const ProgressCase& c : cases) {
    EXPECT_EQ(progressText(c.done, c.total, c.seconds), c.text);
  }
}

}  // namespace
}  // namespace bidgauge
