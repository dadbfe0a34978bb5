#include "study/study_run.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

#include "study/random_stream.hpp"
#include "study/study_test_deals.hpp"
#include "study/tricks_cache.hpp"
#include "study/whole_deal.hpp"

namespace bidgauge {
namespace {

using testing_support::fileText;
using testing_support::kClubDeal;
using testing_support::readText;
using testing_support::ScratchFolder;

// Makes up the tricks it is asked for and counts the deals it is given;
// fails on the call `failOnCall` (from 1), if any.
class FakeSolver final : public TrickSolver {
 public:
  void solve(std::span<SolvedDeal> deals, const Progress& progress) override {
    if (++calls == failOnCall) throw std::runtime_error("the solver gave up");
    long finished = 0;
    for (SolvedDeal& deal : deals) {
      const StrainSet strains = strainsToSolve(deal.deal);
      for (int strain = 0; strain < kStrainCount; ++strain) {
        if ((strains >> strain & 1) == 0) continue;
        for (int seat = 0; seat < kSeatCount; ++seat) {
          std::int8_t& tricks =
              deal.tricks.tricks[static_cast<std::size_t>(strain)][static_cast<std::size_t>(seat)];
          if (tricks < 0) tricks = static_cast<std::int8_t>((deal.number + strain + seat) % 14);
        }
      }
      ++dealsSolved;
      progress(++finished);
    }
  }

  long dealsSolved = 0;
  int calls = 0;
  int failOnCall = 0;
};

// Random deals, each dealt from a stream of its index.
std::vector<SolvedDeal> distinctDeals(long count) {
  return generatedDeals(count, [](long index) {
    std::string cards;
    for (const char suit : std::string_view("SHDC")) {
      for (const char rank : std::string_view("AKQJT98765432")) cards += {suit, rank};
    }
    RandomStream stream(static_cast<std::uint64_t>(index));
    std::array<std::string, kSuitCount * kSeatCount> holdings;
    for (std::size_t left = 52; left > 0; --left) {
      const std::size_t drawn = stream.below(left) * 2;
      const std::size_t seat = (52 - left) % 4;
      holdings[seat * 4 + std::string_view("SHDC").find(cards[drawn])] += cards[drawn + 1];
      cards.erase(drawn, 2);
    }
    std::string text = "N:";
    for (std::size_t i = 0; i < holdings.size(); ++i) {
      text += holdings[i];
      text += i + 1 == holdings.size() ? "" : i % 4 == 3 ? " " : ".";
    }
    return readText(text).deals.at(0).deal;
  });
}

TEST(StudyRun, SolvesOnlyTheDealsThatLackTricks) {
  const std::string known =
      "[Deal \"" + std::string(kClubDeal) + "\"]\n[DoubleDummyTricks \"2048c426a03159d537b1\"]\n\n";
  const std::string someKnown =
      "[Deal \"" + std::string(kClubDeal) + "\"]\n[DoubleDummyTricks \"2048c-----3159d-----\"]\n\n";
  StudyInput read = readText(known + someKnown);
  ASSERT_EQ(read.deals.size(), 2u);
  const DealTricks given = read.deals[1].tricks;
  FakeSolver solver;
  const SolvingOutcome outcome = runSolving(read.deals, &solver, "", {}, {});
  EXPECT_EQ(outcome.error, "");
  EXPECT_EQ(solver.dealsSolved, 1);
  EXPECT_EQ(outcome.solved, 1);
  EXPECT_EQ(read.deals[0].tricks, readText(known).deals[0].tricks);
  // North and East as given, the rest made up.
  EXPECT_EQ(read.deals[1].tricks.tricks[kNotrump][kNorth], given.tricks[kNotrump][kNorth]);
  EXPECT_EQ(read.deals[1].tricks.tricks[kClubs][kEast], given.tricks[kClubs][kEast]);
  EXPECT_EQ(read.deals[1].tricks.tricks[kNotrump][kSouth], (1 + kNotrump + kSouth) % 14);
  EXPECT_FALSE(needsSolving(read.deals[1]));
}

TEST(StudyRun, ARunOnItsOwnCacheSolvesNothing) {
  const ScratchFolder folder("rerun");
  const SolvingOptions options{folder.file("cache.tricks"), 3, {}};
  std::vector<SolvedDeal> deals = distinctDeals(10);
  FakeSolver solver;
  long lastDone = 0;
  SolvingOutcome outcome = runSolving(deals, &solver, "", options, [&](long done, long total) {
    EXPECT_EQ(total, 10);
    EXPECT_GE(done, lastDone);
    lastDone = done;
  });
  EXPECT_EQ(outcome.error, "");
  EXPECT_EQ(outcome.solved, 10);
  EXPECT_EQ(lastDone, 10);
  EXPECT_EQ(solver.calls, 4);  // chunks of 3
  const std::string cache = fileText(options.cachePath);

  std::vector<SolvedDeal> again = distinctDeals(10);
  FakeSolver second;
  outcome = runSolving(again, &second, "", options, {});
  EXPECT_EQ(outcome.error, "");
  EXPECT_EQ(outcome.fromCache, 10);
  EXPECT_EQ(second.dealsSolved, 0);
  EXPECT_EQ(fileText(options.cachePath), cache);
  // Nor does a build without a solver.
  std::vector<SolvedDeal> third = distinctDeals(10);
  EXPECT_EQ(runSolving(third, nullptr, "no solver", options, {}).error, "");
  // And the cache read as input knows every trick.
  for (const SolvedDeal& deal : readText(cache).deals) EXPECT_FALSE(needsSolving(deal));
}

TEST(StudyRun, WithoutASolverSaysWhy) {
  std::vector<SolvedDeal> deals = distinctDeals(2);
  const SolvingOutcome outcome = runSolving(deals, nullptr, "built without libdds-dev", {}, {});
  EXPECT_EQ(outcome.error,
            "2 deals need double-dummy tricks, and this build has no solver: built without "
            "libdds-dev");
}

TEST(StudyRun, AnInterruptedRunKeepsWhatItSolved) {
  const ScratchFolder folder("interrupted");
  const SolvingOptions options{folder.file("cache.tricks"), 2, {}};
  std::vector<SolvedDeal> deals = distinctDeals(6);
  FakeSolver failing;
  failing.failOnCall = 2;
  SolvingOutcome outcome = runSolving(deals, &failing, "", options, {});
  EXPECT_EQ(outcome.error, "the solver gave up");
  EXPECT_EQ(outcome.solved, 2);
  // A cache left midway through a line is read on.
  std::FILE* cache = std::fopen(options.cachePath.c_str(), "ab");
  std::fputs("N:AKQ", cache);
  std::fclose(cache);

  std::vector<SolvedDeal> again = distinctDeals(6);
  FakeSolver solver;
  outcome = runSolving(again, &solver, "", options, {});
  EXPECT_EQ(outcome.error, "");
  EXPECT_EQ(outcome.fromCache, 2);
  EXPECT_EQ(solver.dealsSolved, 4);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(outcome.messages[0].rfind(options.cachePath + ":7: ", 0), 0u) << outcome.messages[0];
}

TEST(StudyRun, SharedOverProcessesGivesTheSameCache) {
  const ScratchFolder folder("shared");
  const SolvingOptions single{folder.file("one.tricks"), 4, {}};
  std::vector<SolvedDeal> deals = distinctDeals(16);
  FakeSolver solver;
  ASSERT_EQ(runSolving(deals, &solver, "", single, {}).error, "");

  // Each of three processes solves its share; the first gathers them.
  std::vector<SolvedDeal> gathered = distinctDeals(16);
  long solvedDeals = 0;
  for (int process = 0; process < 3; ++process) {
    std::vector<SolvedDeal> own = distinctDeals(16);
    const SolvingOptions share{folder.file("shared.tricks"), 4, {process, 3}};
    for (const std::size_t position : dealsToSolve(own, share.share)) {
      EXPECT_EQ(own[position].number % 3, process);
    }
    FakeSolver part;
    ASSERT_EQ(runSolving(own, &part, "", share, {}).error, "");
    solvedDeals += part.dealsSolved;
    std::vector<SolvedDeal> mine;
    for (const SolvedDeal& deal : own) {
      if (deal.number % 3 == process) mine.push_back(deal);
    }
    takeTricks(gathered, mine);
  }
  EXPECT_EQ(solvedDeals, 16);
  EXPECT_FALSE(std::filesystem::exists(folder.file("shared.tricks")));
  std::string error;
  ASSERT_TRUE(writeCacheFile(folder.file("shared.tricks"), gathered, error));
  EXPECT_EQ(fileText(folder.file("shared.tricks")), fileText(single.cachePath));
}

}  // namespace
}  // namespace bidgauge
