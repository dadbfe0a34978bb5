#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "study/trick_solver.hpp"

namespace bidgauge {
namespace {

TEST(NoSolver, NamesWhatToInstall) {
  std::string why;
  EXPECT_EQ(makeTrickSolver(why), nullptr);
  EXPECT_THAT(why, testing::HasSubstr("libdds-dev"));
}

}  // namespace
}  // namespace bidgauge
