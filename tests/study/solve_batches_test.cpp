#include "study/solve_batches.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>
#include <random>
#include <vector>

#include "study/study_deals.hpp"

namespace bidgauge {
namespace {

constexpr StrainSet kEveryStrain = 0x1F;
constexpr StrainSet kNotrumpOnly = 1u << kNotrump;

TEST(StrainsMissing, AreTheStrainsAskedAboutWhoseTricksAreNotAllKnown) {
  // Each hand holds a suit of its own: every suit is a side's longest.
  SolvedDeal oneSuitEach{0,
                         dealOfHands({"AKQJT98765432 - - -", "- AKQJT98765432 - -",
                                      "- - AKQJT98765432 -", "- - - AKQJT98765432"}),
                         {}};
  EXPECT_EQ(strainsMissing(oneSuitEach), kEveryStrain);
  oneSuitEach.tricks.tricks[kNotrump] = {0, 0, 0, 0};
  EXPECT_EQ(strainsMissing(oneSuitEach), kEveryStrain & ~kNotrumpOnly);
  oneSuitEach.tricks.tricks[kNotrump][kWest] = DealTricks::kUnknown;
  EXPECT_EQ(strainsMissing(oneSuitEach), kEveryStrain);

  // N-S's longest suit is spades (8 cards), E-W's hearts (8).
  SolvedDeal twoSuits{
      0,
      dealOfHands({"AKQJ AKQ AKQ AKQ", "654 9876 765 876", "T987 JT JT98 JT9", "32 5432 432 5432"}),
      {}};
  EXPECT_EQ(strainsMissing(twoSuits), (1u << kSpades) | (1u << kHearts) | kNotrumpOnly);
  twoSuits.tricks.tricks[kDiamonds] = {1, 2, 3, 4};  // known, never asked about
  twoSuits.tricks.tricks[kHearts] = {1, 2, 3, 4};
  EXPECT_EQ(strainsMissing(twoSuits), (1u << kSpades) | kNotrumpOnly);
}

// Random deals, some with tricks of a few strains known (now and then for
// some declarers only).
std::vector<SolvedDeal> randomDeals(int count, std::mt19937& engine) {
  std::vector<SolvedDeal> deals;
  SeatOfCard seats{};
  for (int card = 0; card < kCardsInDeal; ++card)
    seats[static_cast<std::size_t>(card)] = card / kRankCount;
  std::bernoulli_distribution known(0.3);
  for (int number = 0; number < count; ++number) {
    std::shuffle(seats.begin(), seats.end(), engine);
    SolvedDeal solved{number, dealOfSeats(seats), {}};
    for (auto& row : solved.tricks.tricks) {
      for (auto& tricks : row)
        tricks = known(engine) || known(engine) ? std::int8_t{6} : DealTricks::kUnknown;
    }
    deals.push_back(solved);
  }
  return deals;
}

TEST(SolveBatches, PutEachDealMissingTricksInOneFullBatchOfItsStrainsInInputOrder) {
  std::mt19937 engine(20261207);
  const std::vector<SolvedDeal> deals = randomDeals(600, engine);
  for (const int tablesPerCall : {5, 12, 200}) {
    SCOPED_TRACE(tablesPerCall);
    const std::vector<SolveBatch> batches = solveBatches(deals, tablesPerCall);
    std::vector<int> batchesOf(deals.size(), 0);
    std::map<StrainSet, std::vector<const SolveBatch*>> byStrains;
    for (const SolveBatch& batch : batches) {
      const auto perCall = static_cast<std::size_t>(tablesPerCall / std::popcount(batch.strains));
      ASSERT_GE(batch.deals.size(), 1u);
      ASSERT_LE(batch.deals.size(), perCall);
      ASSERT_TRUE(std::is_sorted(batch.deals.begin(), batch.deals.end()));
      for (const std::size_t place : batch.deals) {
        ASSERT_LT(place, deals.size());
        EXPECT_EQ(strainsMissing(deals[place]), batch.strains);
        ++batchesOf[place];
      }
      byStrains[batch.strains].push_back(&batch);
    }
    for (std::size_t place = 0; place < deals.size(); ++place) {
      EXPECT_EQ(batchesOf[place], strainsMissing(deals[place]) == 0 ? 0 : 1) << place;
    }
    // Only a group's last batch may be short, and a group keeps input order.
    for (const auto& [strains, group] : byStrains) {
      const auto perCall = static_cast<std::size_t>(tablesPerCall / std::popcount(strains));
      for (std::size_t i = 0; i + 1 < group.size(); ++i) {
        EXPECT_EQ(group[i]->deals.size(), perCall);
        EXPECT_LT(group[i]->deals.back(), group[i + 1]->deals.front());
      }
    }
  }
}

TEST(SolveBatches, AreNoneWhenEveryTrickAskedAboutIsKnown) {
  std::mt19937 engine(7);
  std::vector<SolvedDeal> deals = randomDeals(20, engine);
  for (SolvedDeal& solved : deals) {
    for (auto& row : solved.tricks.tricks) row = {7, 6, 7, 6};
  }
  EXPECT_TRUE(solveBatches(deals, 200).empty());
  EXPECT_TRUE(solveBatches({}, 200).empty());
}

}  // namespace
}  // namespace bidgauge
