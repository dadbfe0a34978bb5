#include "evaluators/zar.hpp"

#include <gtest/gtest.h>

#include "evaluators/breakdown.hpp"
#include "support/hand_text.hpp"

namespace bidgauge {
namespace {

struct HandCase {
  const char* hand;
  int points;
  bool opens;
};

TEST(Zar, WholeHands) {
  const HandCase cases[] = {
      {"KQ7543 QT2 A J98", 28, true},
      {"AKT9xx - QJxxx T2", 29, true},
      {"AKQJT98765432 - - -", 36, true},  // shape 26, 10 points, 3 controls, 3 voids
      {"xxxx xxx xxx xxx", 8, false},
      // Concentration: 11 to 14 points in exactly two suits, 15 or more in at most three.
      {"AKQx KJxx xxx xx", 28, true},
      {"AKQx KJxx Jxx xx", 28, true},
      {"AKQx KQxx Axx xx", 35, true},
      {"AKQx KQxx Axx Jx", 35, true},
      {"AKQx KJxx Txx xx", 28, true},  // a suit with only the Ten holds no high card
      // The requirement is 26 whatever the spade length.
      {"AKxxx Qxx QJx xx", 26, true},
      {"AKxxx Qxx Qxx xx", 25, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hand);
    const ZarResult result = evaluateZar(handFromText(c.hand));
    EXPECT_EQ(result.points, c.points);
    EXPECT_EQ(result.opens, c.opens);
  }
}

struct SuitCase {
  const char* holding;
  int points;  // high cards + controls - 1 for a suit of honours only
};

// One suit against the same shape in spot cards; with ten points or fewer the
// concentration bonus never applies.
TEST(Zar, SingleSuits) {
  const SuitCase cases[] = {
      {"A", 5},     {"T", -1},    {"AK", 9},     {"KQ", 5}, {"QJ", 2},      {"AT", 5},
      {"AKQ", 11},  {"AKQJ", 12}, {"AKQJT", 12}, {"J", 0},  {"KQx", 6},     {"Qx", 2},
      {"AKxx", 10}, {"KQ9", 6},   {"Tx", 0},     {"T9", 0}, {"AKQJT9", 13},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.holding);
    const Hand hand = handWithSpades(c.holding);
    EXPECT_EQ(evaluateZar(hand).points - evaluateZar(withSpotsOnly(hand, kSpades)).points,
              c.points);
  }
}

TEST(Zar, BreakdownNamesEachTerm) {
  const Breakdown expected = {
      {kSpades, "high cards A K", "+7"},
      {kSpades, "controls A K", "+3"},
      {kHearts, "void: counts as honors only", "-1"},
      {kDiamonds, "high cards Q J", "+3"},
      {kWholeHand, "shape 6-5-2-0: 6 + 5 + (6 - 0)", "+17"},
  };
  EXPECT_EQ(explainZar(handFromText("AKT9xx - QJxxx T2")), expected);
}

TEST(Zar, BreakdownOfHonoursOnlyAndConcentration) {
  const Breakdown breakdown = explainZar(handFromText("AKQ KJxx xxxx xx"));
  EXPECT_EQ(breakdown[2], (BreakdownTerm{kSpades, "honors only: A K Q", "-1"}));
  EXPECT_EQ(breakdown.back(),
            (BreakdownTerm{kWholeHand, "concentration: 13 points in 2 suits", "+1"}));
}

}  // namespace
}  // namespace bidgauge
