// The build's solver on deals whose tricks are known by construction, and on
// many deals at once against each deal alone.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "study/solve_batches.hpp"
#include "study/study_deals.hpp"
#include "study/trick_solver.hpp"

namespace bidgauge {
namespace {

using testing::HasSubstr;

constexpr std::int8_t kUnknown = DealTricks::kUnknown;
constexpr std::array<std::int8_t, kSeatCount> kNotAsked{kUnknown, kUnknown, kUnknown, kUnknown};

std::unique_ptr<TrickSolver> theSolver() {
  std::string why;
  std::unique_ptr<TrickSolver> solver = makeTrickSolver(why);
  EXPECT_NE(solver, nullptr) << why;
  return solver;
}

// Each hand holds one suit: in that suit its side takes all 13 tricks, and
// in notrump the opening leader runs its suit against any declarer.
const WholeDeal kSuitEach = dealOfHands(
    {"AKQJT98765432 - - -", "- AKQJT98765432 - -", "- - AKQJT98765432 -", "- - - AKQJT98765432"});
const TrickTable kSuitEachTricks{
    {{13, 0, 13, 0}, {0, 13, 0, 13}, {13, 0, 13, 0}, {0, 13, 0, 13}, {0, 0, 0, 0}}};

// The same with the suits dealt round differently (N clubs, E spades...).
const WholeDeal kSuitEachTurned = dealOfHands(
    {"- - - AKQJT98765432", "AKQJT98765432 - - -", "- AKQJT98765432 - -", "- - AKQJT98765432 -"});
const TrickTable kSuitEachTurnedTricks{
    {{0, 13, 0, 13}, {13, 0, 13, 0}, {0, 13, 0, 13}, {13, 0, 13, 0}, {0, 0, 0, 0}}};

// North and South hold every top card of two suits each, and East and West
// only the others' suits: in notrump North or South takes all 13 (the lead
// comes into their suits, never over to the partner's) and East or West none,
// since North or South leads.
const WholeDeal kTopCards = dealOfHands(
    {"AKQJT98 AKQJT9 - -", "765432 8765432 - -", "- - AKQJT98 AKQJT9", "- - 765432 8765432"});
const std::array<std::int8_t, kSeatCount> kTopCardsNotrump{13, 0, 13, 0};

TEST(DdsSolver, SolvesDealsWhoseTricksAreKnownByConstruction) {
  std::vector<SolvedDeal> deals{{0, kSuitEach, {}}, {1, kSuitEachTurned, {}}, {2, kTopCards, {}}};
  theSolver()->solve(deals, {});
  EXPECT_EQ(deals[0].tricks.tricks, kSuitEachTricks);
  EXPECT_EQ(deals[1].tricks.tricks, kSuitEachTurnedTricks);
  EXPECT_EQ(deals[2].tricks.tricks[kNotrump], kTopCardsNotrump);
  for (int strain = 0; strain < kStrainCount; ++strain) EXPECT_TRUE(deals[2].tricks.known(strain));
}

TEST(DdsSolver, LeavesKnownTricksAloneAndSolvesNothingForADealKnownAlready) {
  SolvedDeal partlyKnown{0, kSuitEach, {}};
  partlyKnown.tricks.tricks[kNotrump] = {7, 7, 7, 7};  // made up: they must survive
  partlyKnown.tricks.tricks[kHearts] = {kUnknown, 9, kUnknown, kUnknown};
  // Not a deal at all (every hand the same cards): solving it would fail.
  SolvedDeal allKnown{1,
                      dealOfHands({"AKQJT98765432 - - -", "AKQJT98765432 - - -",
                                   "AKQJT98765432 - - -", "AKQJT98765432 - - -"}),
                      {}};
  for (auto& row : allKnown.tricks.tricks) row = {5, 5, 5, 5};
  const DealTricks allKnownBefore = allKnown.tricks;

  std::vector<SolvedDeal> deals{partlyKnown, allKnown};
  std::vector<long> progress;
  theSolver()->solve(deals, [&](long finished) { progress.push_back(finished); });

  TrickTable expected = kSuitEachTricks;
  expected[kNotrump] = {7, 7, 7, 7};
  expected[kHearts] = {0, 9, 0, 13};
  EXPECT_EQ(deals[0].tricks.tricks, expected);
  EXPECT_EQ(deals[1].tricks, allKnownBefore);
  EXPECT_EQ(progress, std::vector<long>{2});
}

TEST(DdsSolver, RefusesADealHoldingACardTwiceInsteadOfCrashing) {
  std::vector<SolvedDeal> deals{{0, kSuitEach, {}}, {41, kSuitEach, {}}};
  deals[1].deal.hands[kEast] = deals[1].deal.hands[kNorth];
  try {
    theSolver()->solve(deals, {});
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_THAT(error.what(), HasSubstr("deal 42 "));
  }
}

// Deals from the one-suit-each deal with a few cards swapped between hands:
// as varied in tricks as random deals, but far quicker to solve. Every other
// deal swaps cards between partners only, so each side keeps its two suits
// and all five strains are asked about: those deals need several calls.
std::vector<SolvedDeal> nearlySortedDeals(int count) {
  std::mt19937 engine(20261207);
  std::uniform_int_distribution<int> card(0, kCardsInDeal - 1);
  std::uniform_int_distribution<int> swaps(3, 12);
  std::vector<SolvedDeal> deals;
  for (int number = 0; number < count; ++number) {
    SeatOfCard seats{};
    for (int c = 0; c < kCardsInDeal; ++c) seats[static_cast<std::size_t>(c)] = c / kRankCount;
    const bool betweenPartners = number % 2 == 0;
    for (int swap = swaps(engine); swap > 0; --swap) {
      int& one = seats[static_cast<std::size_t>(card(engine))];
      int& other = seats[static_cast<std::size_t>(card(engine))];
      if (!betweenPartners || one % 2 == other % 2) std::swap(one, other);
    }
    deals.push_back({number, dealOfSeats(seats), {}});
  }
  return deals;
}

// DDS works out at most 200 tables of a deal and a strain in one call.
bool someStrainsNeedSeveralCalls(const std::vector<SolvedDeal>& deals) {
  std::map<StrainSet, int> dealsMissing;
  for (const SolvedDeal& solved : deals) ++dealsMissing[strainsMissing(solved)];
  for (const auto& [strains, count] : dealsMissing) {
    if (count * std::popcount(strains) > 200) return true;
  }
  return false;
}

TEST(DdsSolver, SolvesManyDealsAtOnceAsEachAlone) {
  constexpr int kManyDeals = 120;
  std::vector<SolvedDeal> together = nearlySortedDeals(kManyDeals);
  ASSERT_TRUE(someStrainsNeedSeveralCalls(together));
  std::unique_ptr<TrickSolver> solver = theSolver();
  std::vector<long> progress;
  solver->solve(together, [&](long finished) { progress.push_back(finished); });
  ASSERT_FALSE(progress.empty());
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_EQ(progress.back(), kManyDeals);

  std::set<std::array<std::int8_t, kSeatCount>> notrumpRows;
  for (const SolvedDeal& solved : together) {
    SCOPED_TRACE(solved.number);
    SolvedDeal alone{solved.number, solved.deal, {}};
    solver->solve(std::span(&alone, 1), {});
    EXPECT_EQ(solved.tricks, alone.tricks);
    const StrainSet asked = strainsToSolve(solved.deal);
    for (int strain = 0; strain < kStrainCount; ++strain) {
      const bool isAsked = ((asked >> strain) & 1u) != 0;
      EXPECT_EQ(solved.tricks.known(strain), isAsked) << strain;
      if (!isAsked) {
        EXPECT_EQ(solved.tricks.tricks[static_cast<std::size_t>(strain)], kNotAsked);
      }
    }
    notrumpRows.insert(solved.tricks.tricks[kNotrump]);
  }
  EXPECT_GT(notrumpRows.size(), 20u);  // deals mixed up would show
}

}  // namespace
}  // namespace bidgauge
