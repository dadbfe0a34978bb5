#include "evaluators/culbertson.hpp"

#include <gtest/gtest.h>

#include "evaluators/breakdown.hpp"
#include "support/hand_text.hpp"

namespace bidgauge {
namespace {

struct HandCase {
  const char* hand;
  int halfTricks;
  bool opens;
};

TEST(Culbertson, WholeHands) {
  const HandCase cases[] = {
      {"KQ7543 QT2 A J98", 5, true},   // exactly 2.5 opens
      {"AK xxxx xxxx xxx", 4, false},  // 2 does not
      {"xxxx xxx xxx xxx", 0, false},
      // A Kx and a Qx in another suit make one trick; each holding combines once.
      {"Kx Qx xxxxx xxxx", 2, false},
      {"Kx Qx Qx xxxxxxx", 2, false},
      {"Kx Kx Qx xxxxxxx", 3, false},
      {"Kxx xxxx Qxxx xx", 2, false},
      // Plus-values count in pairs.
      {"Jx xxxx xxxx xxx", 0, false},
      {"Jx Jx xxxxx xxxx", 1, false},
      {"Jx Jx Jxx xxxxxx", 1, false},
      {"Jx Jx Jx Jxxxxxx", 2, false},
      // KJx holds a plus-value but is no Kx: it never combines with a Qx.
      {"KJx Qx Jxx xxxxx", 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hand);
    const CulbertsonResult result = evaluateCulbertson(handFromText(c.hand));
    EXPECT_EQ(result.halfTricks, c.halfTricks);
    EXPECT_EQ(result.opens, c.opens);
  }
}

struct SuitCase {
  const char* holding;
  int halfTricks;
  int plusValues;
};

// The hand with one heart spot card turned into the Jack: one more plus-value.
Hand withJackOfHearts(Hand hand) {
  --hand.spotCount[kHearts];
  hand.suitCards[kHearts] = static_cast<std::int16_t>(hand.suitCards[kHearts] | card::jack);
  return hand;
}

// One suit beside spot cards only. A single plus-value shows only in a pair, so the
// hand is valued again with a Jx beside it.
TEST(Culbertson, SingleSuits) {
  const SuitCase cases[] = {
      {"AK", 4, 0},         {"AKQ", 4, 1}, {"AKJ", 4, 1},  {"AKQJ", 4, 1}, {"AKx", 4, 0},
      {"AQ", 3, 0},         {"AQJ", 3, 1}, {"AQx", 3, 0},  {"A", 2, 0},    {"AJ", 2, 0},
      {"Ax", 2, 0},         {"AJx", 2, 1}, {"AT", 2, 0},   {"KQ", 2, 0},   {"KQx", 2, 0},
      {"KQJ", 3, 0},        {"KJT", 2, 0}, {"KJTx", 2, 0}, {"KJ", 1, 0},   {"KJx", 1, 1},
      {"Kx", 1, 0},         {"Kxx", 1, 0}, {"K", 0, 1},    {"QJx", 1, 0},  {"QJ", 0, 1},
      {"Qx", 0, 1},         {"Qxx", 0, 1}, {"Q", 0, 0},    {"Jx", 0, 1},   {"Jxx", 0, 1},
      {"JTx", 0, 1},        {"J", 0, 0},   {"-", 0, 0},    {"xxx", 0, 0},  {"T9", 0, 0},
      {"AKQJT98765", 4, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.holding);
    const Hand hand = handWithSpades(c.holding);
    EXPECT_EQ(evaluateCulbertson(hand).halfTricks, c.halfTricks);
    EXPECT_EQ(evaluateCulbertson(withJackOfHearts(hand)).halfTricks, c.halfTricks + c.plusValues);
  }
}

TEST(Culbertson, BreakdownNamesEachTerm) {
  const Breakdown expected = {
      {kSpades, "honor tricks: K x", "+0.5"},
      {kHearts, "plus-value: Q x", "+0.25"},
      {kDiamonds, "plus-value: J x", "+0.25"},
      {kWholeHand, "K x and Q x combine", "+0.5"},
      {kWholeHand, "plus-value of Q x withdrawn", "-0.25"},
      {kWholeHand, "odd plus-value dropped", "-0.25"},
  };
  EXPECT_EQ(explainCulbertson(handFromText("Kx Qx Jxx xxxxxx")), expected);
  EXPECT_EQ(explainCulbertson(handFromText("AKJ xxxx xxx xxx")),
            (Breakdown{{kSpades, "honor tricks: A K", "+2"},
                       {kSpades, "plus-value: J with A K", "+0.25"},
                       {kWholeHand, "odd plus-value dropped", "-0.25"}}));
}

}  // namespace
}  // namespace bidgauge
