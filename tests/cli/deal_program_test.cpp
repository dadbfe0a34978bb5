// --deal through the program itself: the deals, the seed and a closed pipe.

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "run_program.hpp"

namespace bidgauge {
namespace {

using testing_support::ProgramRun;

ProgramRun run(const std::vector<std::string>& arguments) {
  return testing_support::runProgram(BIDGAUGE_PROGRAM, arguments);
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// How often each card (suit * 13 + rank, ace first) was in each seat.
using SeatCounts = std::array<std::array<int, 4>, 52>;

void countCards(const std::string& line, SeatCounts& counts) {
  ASSERT_EQ(line.substr(0, 2), "N:") << line;
  constexpr std::string_view kRanks = "AKQJT98765432";
  int seat = 0;
  int suit = 0;
  int cards = 0;
  for (const char c : line.substr(2)) {
    if (c == ' ') {
      ++seat;
      suit = 0;
    } else if (c == '.') {
      ++suit;
    } else {
      const std::size_t rank = kRanks.find(c);
      ASSERT_NE(rank, std::string_view::npos) << line;
      ASSERT_TRUE(seat < 4 && suit < 4) << line;
      ++counts[static_cast<std::size_t>(suit) * 13 + rank][static_cast<std::size_t>(seat)];
      ++cards;
    }
  }
  EXPECT_EQ(cards, 52) << line;
}

TEST(ProgramDeal, PutsEachCardInEachSeatAQuarterOfTheTime) {
  constexpr int kDeals = 4000;
  const ProgramRun result = run({"--deal", std::to_string(kDeals), "--seed", "2024"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const std::vector<std::string> lines = linesOf(result.out);
  ASSERT_EQ(lines.size(), std::size_t{kDeals});
  SeatCounts counts{};
  for (const std::string& line : lines) countCards(line, counts);
  for (const auto& card : counts) {
    EXPECT_EQ(card[0] + card[1] + card[2] + card[3], kDeals) << "a card missing or twice";
  }
  constexpr double kExpected = kDeals / 4.0;
  double chiSquare = 0;
  for (const auto& card : counts) {
    for (const int count : card) chiSquare += (count - kExpected) * (count - kExpected) / kExpected;
  }
  // 52 * 3 degrees of freedom: a fair deal exceeds 216.4 one time in 1000.
  EXPECT_LT(chiSquare, 216.4);
}

TEST(ProgramDeal, WritesTheDocumentedDealsOfItsSeed) {
  const ProgramRun result = run({"--deal", "2", "--seed", "7"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "N:KJT85.84.AT2.AK3 432.J3.QJ64.Q982 A9.QT72.973.J754 Q76.AK965.K85.T6\n"
            "N:85.97542.AT4.J52 AJ9.KT.52.AQT963 743.AJ83.K93.K84 KQT62.Q6.QJ876.7\n");
  EXPECT_EQ(result.err, "");
}

TEST(ProgramDeal, WithoutASeedTellsTheOneThatRepeatsTheRun) {
  const ProgramRun first = run({"--deal", "20"});
  EXPECT_EQ(first.status, 0);
  std::smatch told;
  ASSERT_TRUE(std::regex_match(
      first.err, told, std::regex("bidgauge: seed ([0-9]+) \\(repeat with --seed \\1\\)\n")))
      << first.err;
  const ProgramRun repeated = run({"--deal", "20", "--seed", told[1]});
  EXPECT_EQ(repeated.out, first.out);
  EXPECT_EQ(run({"--deal", "20"}).out == first.out, false) << "the same seed twice";
}

// Standard error of `command`, run by the shell with SIGPIPE at its default as
// from a terminal; standard output into `out`.
std::string shellRun(const std::string& command, std::string& out) {
  const std::filesystem::path errFile = std::filesystem::path(::testing::TempDir()) / "deal.err";
  const auto previous = std::signal(SIGPIPE, SIG_DFL);
  std::FILE* pipe = popen(("(" + command + ") 2>'" + errFile.string() + "'").c_str(), "r");
  std::array<char, 4096> buffer{};
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
    out.append(buffer.data(), n);
  }
  pclose(pipe);
  std::signal(SIGPIPE, previous);
  std::ifstream err(errFile);
  return {std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>()};
}

TEST(ProgramDeal, EndsWhenTheReaderLeaves) {
  const std::string program = std::string("'") + BIDGAUGE_PROGRAM + "'";
  const std::string firstDeal =
      "N:KJT85.84.AT2.AK3 432.J3.QJ64.Q982 A9.QT72.973.J754 Q76.AK965.K85.T6\n";
  std::string out;
  EXPECT_EQ(shellRun(program + " --deal 1000000000 --seed 7 | head -n 1", out), "");
  EXPECT_EQ(out, firstDeal);

  // Where SIGPIPE is ignored, the failed write ends it, as it ends --batch.
  out.clear();
  const std::string err = shellRun(
      "{ trap '' PIPE; " + program + " --deal 1000000000 --seed 7; echo $? >&2; }" + " | head -n 1",
      out);
  EXPECT_EQ(err, "bidgauge: cannot write the output: Broken pipe\n2\n");
  EXPECT_EQ(out, firstDeal);
}

}  // namespace
}  // namespace bidgauge
