#include "study/partnership_sample.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "batch/deal.hpp"
#include "evaluators/evaluation.hpp"
#include "study/whole_deal.hpp"
#include "support/hand_text.hpp"

namespace bidgauge {
namespace {

struct PatternCase {
  const char* hand;
  const char* pattern;
};

// One hand per class and the shapes on the borders between them.
constexpr PatternCase kPatternCases[] = {
    {"AKQJ xxx xxx xxx", "4-3-3-3"},    {"xxx xxx AKxx xxx", "4-3-3-3"},
    {"xxxx xxxx xxx xx", "4-4-3-2"},    {"xx xxx xxxx xxxx", "4-4-3-2"},
    {"xxxx xxxx xxxx x", "4-4-4-1"},    {"x xxxx xxxx xxxx", "4-4-4-1"},
    {"xxxxx xxx xxx xx", "5-3-3-2"},    {"xx xxx xxx xxxxx", "5-3-3-2"},
    {"xxxxx xxxx xx xx", "5-4-x-x"},    {"x xxxx xxx xxxxx", "5-4-x-x"},
    {"xxxxxx xxx xx xx", "6-x-x-x"},    {"x xxx xxx xxxxxx", "6-x-x-x"},
    {"xxxxxx xxxx xx x", "two-suiter"}, {"xxxxx xxxxx xx x", "two-suiter"},
    {"xxxxxx xxxxx x x", "two-suiter"}, {"x x xxxxxx xxxxx", "two-suiter"},
    {"xxxxxxx xxx xx x", "7+"},         {"xxxxxxx xxxx x x", "7+"},
    {"xxxxxxxx xx xx x", "7+"},         {"x xxxxx xxxxxxx -", "void"},
    {"xxxxx xxxx xxxx -", "void"},      {"xxxxxx xxxxxx x -", "void"},
    {"xxxxxxxxxxxxx - - -", "void"},    {"- xxxx xxxx xxxxx", "void"},
};

TEST(PatternClass, EachHandFallsInOneClassMostDistinctiveFirst) {
  for (const PatternCase& c : kPatternCases) {
    EXPECT_EQ(patternName(patternClassOf(handFromText(c.hand))), c.pattern) << c.hand;
  }
}

// Every card named; a hand of each shape for each side.
//   N AKQJ.AKQ.AKQ.AKQ  E T987.JT9.JT9.JT9  S 6543.876.876.876  W 2.5432.5432.5432
// North-South's longest suit is spades (8); East-West's are hearts, diamonds
// and clubs, seven each.
WholeDeal exampleDeal() {
  std::string error;
  const auto read = readDealString(
      "N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 6543.876.876.876 2.5432.5432.5432", 0, error);
  return wholeDealOf(*read).value();
}

DealTricks exampleTricks() {
  DealTricks tricks;
  auto set = [&tricks](int strain, std::array<int, kSeatCount> byDeclarer) {
    for (std::size_t seat = 0; seat < kSeatCount; ++seat) {
      tricks.tricks[static_cast<std::size_t>(strain)][seat] =
          static_cast<std::int8_t>(byDeclarer[seat]);
    }
  };
  //        N   E  S   W
  set(kNotrump, {9, 3, 7, 4});
  set(kSpades, {10, 1, 11, 2});
  set(kHearts, {12, 3, 12, 4});  // more than spades, but not North-South's longest
  set(kDiamonds, {12, 5, 12, 2});
  set(kClubs, {12, 1, 12, 6});
  return tricks;
}

TEST(PartnershipTargets, BetterDeclarerAndLongestSuitTieBrokenByTricks) {
  const WholeDeal deal = exampleDeal();
  const DealTricks tricks = exampleTricks();
  EXPECT_EQ(betterDeclarerTricks(tricks, kNotrump, kNorthSouth), 9);
  EXPECT_EQ(betterDeclarerTricks(tricks, kNotrump, kEastWest), 4);
  EXPECT_EQ(longestSuitTricks(deal, tricks, kNorthSouth), 11);  // spades, South
  EXPECT_EQ(longestSuitTricks(deal, tricks, kEastWest), 6);     // clubs, West
}

TEST(PartnershipTargets, AnUnknownTiedSuitLeavesTheTargetUnknown) {
  const WholeDeal deal = exampleDeal();
  DealTricks tricks = exampleTricks();
  tricks.tricks[kHearts][kEast] = DealTricks::kUnknown;
  EXPECT_EQ(longestSuitTricks(deal, tricks, kEastWest), DealTricks::kUnknown);
  EXPECT_EQ(longestSuitTricks(deal, tricks, kNorthSouth), 11);
  EXPECT_THROW(partnershipSamples({7, deal, tricks}), std::invalid_argument);
}

TEST(PartnershipSamples, CountsAreTheTwoPartnersValuesSummed) {
  const WholeDeal deal = exampleDeal();
  const auto samples = partnershipSamples({7, deal, exampleTricks()});
  for (int side = 0; side < kSideCount; ++side) {
    const PartnershipSample& sample = samples[static_cast<std::size_t>(side)];
    const Hand& first = deal.hands[static_cast<std::size_t>(side)];
    const Hand& second = deal.hands[static_cast<std::size_t>(side + 2)];
    const Evaluation a = evaluateAll(first);
    const Evaluation b = evaluateAll(second);
    EXPECT_EQ(sample.deal, 7);
    EXPECT_DOUBLE_EQ(sample.count[0], (a.knr.hundredths + b.knr.hundredths) / 100.0);
    EXPECT_EQ(sample.count[1], a.zar.points + b.zar.points);
    EXPECT_EQ(sample.count[2], a.kleinman.points + b.kleinman.points);
    EXPECT_EQ(sample.count[3], (a.culbertson.halfTricks + b.culbertson.halfTricks) / 2.0);
    EXPECT_EQ(sample.count[5], 0);
    EXPECT_EQ(sample.opens[0][0], a.knr.opens);
    EXPECT_EQ(sample.opens[1][3], b.culbertson.opens);
  }
  EXPECT_EQ(samples[kNorthSouth].count[4],
            37);  // North holds every honour but the jacks of three suits
  EXPECT_EQ(samples[kEastWest].count[4], 3);
  EXPECT_EQ(samples[kNorthSouth].opens[0], (std::array{true, true, true, true}));
  EXPECT_EQ(samples[kNorthSouth].opens[1], (std::array{false, false, false, false}));
  EXPECT_EQ(samples[kNorthSouth].tricks, (std::array{9, 11}));
  EXPECT_EQ(samples[kEastWest].tricks, (std::array{4, 6}));
  EXPECT_EQ(samples[kNorthSouth].patterns,
            (std::array{PatternClass::fourThreeThreeThree, PatternClass::fourThreeThreeThree}));
  EXPECT_EQ(samples[kEastWest].patterns,
            (std::array{PatternClass::fourThreeThreeThree, PatternClass::fourFourFourOne}));
}

}  // namespace
}  // namespace bidgauge
