// --study through the program itself: tricks the input carries, the cache a
// run leaves for the next, and input with no deal to study.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "run_program.hpp"

namespace bidgauge {
namespace {

using testing_support::ProgramRun;

ProgramRun run(const std::vector<std::string>& arguments, const std::string& input = {}) {
  return testing_support::runProgram(BIDGAUGE_PROGRAM, arguments, input);
}

class ProgramStudy : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("bidgauge-study-" + std::string(test->name()) + "-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;
};

// Four games with their double-dummy tricks: nothing is left to solve.
constexpr const char* kSolvedPbn =
    "[Board \"1\"]\n[Deal \"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. "
    "...AKQJT98765432\"]\n[DoubleDummyTricks \"0d0d00d0d000d0d00d0d\"]\n\n"
    "[Board \"2\"]\n[Deal \"N:KQ7543.QT2.A.J98 AJ6.K87.KQ5.Q432 T82.AJ9.JT98.AK5 "
    "9.6543.76432.T76\"]\n"
    "[DoubleDummyTricks \"99a8899a88343453434a\"]\n\n"
    "[Board \"3\"]\n[Deal \"N:AK.AKQ.AKQJ.AKQJ QJT9.JT9.T98.T98 8765.8765.765.76 "
    "432.432.432.5432\"]\n"
    "[DoubleDummyTricks \"dddddddddd0000000000\"]\n\n"
    "[Board \"4\"]\n[Deal \"N:5432.432.432.432 AKQJ.AKQ.AKQ.AKQ T987.T98.T98.T98 "
    "6.J765.J765.J765\"]\n"
    "[DoubleDummyTricks \"10001000000ddcddcddd\"]\n";

TEST_F(ProgramStudy, TricksTheInputCarriesAreNotSolvedAgain) {
  std::ofstream(path("solved.pbn")) << kSolvedPbn;
  const ProgramRun study = run({"--study", path("solved.pbn")});
  EXPECT_EQ(study.status, 0) << study.err;
  EXPECT_NE(study.out.find("study of 4 deals"), std::string::npos) << study.out;
  // Nothing solved, so no cache is written or named.
  EXPECT_EQ(study.err.find("kept in"), std::string::npos) << study.err;
  EXPECT_EQ(study.err.find("solving"), std::string::npos) << study.err;
}

TEST_F(ProgramStudy, ARunsCacheGivesTheSameAnswerWithoutSolving) {
  const ProgramRun first =
      run({"--study", "--deals", "6", "--seed", "4", "--cache", path("deals.tricks")});
  if (first.err.find("no solver") != std::string::npos) GTEST_SKIP() << first.err;
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_NE(first.err.find("kept in " + path("deals.tricks")), std::string::npos) << first.err;

  const ProgramRun again = run({"--study", path("deals.tricks")});
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out, first.out);
  EXPECT_EQ(again.err.find("kept in"), std::string::npos) << again.err;
}

TEST_F(ProgramStudy, InputWithoutAWholeDealIsAnError) {
  const ProgramRun hands = run({"--study"}, "KQ7543 QT2 A J98\nN:AKQx.xxx.xxx.xxx - - -\n");
  EXPECT_EQ(hands.status, 2);
  EXPECT_NE(hands.err.find("no whole deal found"), std::string::npos) << hands.err;
  EXPECT_TRUE(hands.out.empty()) << hands.out;

  const ProgramRun missing = run({"--study", path("none.pbn")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("none.pbn"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace bidgauge
