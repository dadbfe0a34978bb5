#include "evaluators/kleinman.hpp"

#include <gtest/gtest.h>

#include "evaluators/breakdown.hpp"
#include "support/hand_text.hpp"

namespace bidgauge {
namespace {

struct HandCase {
  const char* hand;
  int points;
  int quality;
  bool opens;
};

TEST(Kleinman, WholeHands) {
  const HandCase cases[] = {
      {"KQ7543 QT2 A J98", 11, 0, true},
      {"xxxx xxx xxx xxx", 0, 0, false},   // total -2: a negative remainder is ordinary
      {"xxxx xxxx xxx xx", 0, -1, false},  // total 0
      {"AKQJ xxxx Jxx xx", 10, 1, false},  // total 32
      {"AKQJ Jxxx xxx xx", 11, -1, true},  // total 33
      {"AKQJ Jxxx Jxx xx", 11, 0, true},   // total 34
      // The flat-hand penalty needs 4-3-3-3; a void adds nothing else.
      {"AKQx xxx xxx xxx", 9, -1, false},  // 29 - 2
      {"AKQx xxxx xxx xx", 9, 1, false},   // 29
      {"AKQx xxxxx xxxx -", 9, 1, false},  // 29
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hand);
    const KleinmanResult result = evaluateKleinman(handFromText(c.hand));
    EXPECT_EQ(result.points, c.points);
    EXPECT_EQ(result.quality, c.quality);
    EXPECT_EQ(result.opens, c.opens);
  }
}

// The total behind a result, for totals that are not negative.
int totalOf(const KleinmanResult& result) {
  return 3 * result.points + result.quality + 1;
}

struct SuitCase {
  const char* holding;
  int score;  // base points + adjustment
};

// One suit beside spot cards only, in a hand with a short suit: the total is the suit's score.
TEST(Kleinman, SingleSuits) {
  const SuitCase cases[] = {
      {"A", 12},    {"K", 7},    {"Q", 3},     {"J", 0},
      {"QJ", 5},    {"AKQ", 28}, {"AKQJ", 31}, {"KQJ", 17},
      {"AKT", 25},  {"KJT", 14}, {"T9", 1},    {"Txx", 0},
      {"Jxx", 1},   {"JTx", 2},  {"Jxxx", 2},  {"Qxx", 5},
      {"AK", 22},   {"Kx", 9},   {"Qx", 4},    {"QJx", 7},
      {"AJ", 15},   {"Tx", 0},   {"T8", 0},    {"AT9", 15},
      {"KQJT", 20}, {"-", 0},    {"xxxxx", 0}, {"AKQJT98765432", 34},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.holding);
    EXPECT_EQ(totalOf(evaluateKleinman(handWithSpades(c.holding))), c.score);
  }
}

TEST(Kleinman, BreakdownNamesEachTerm) {
  const Breakdown expected = {
      {kSpades, "high cards K Q", "+14"}, {kSpades, "King supports Q", "+1"},
      {kHearts, "high cards Q", "+5"},    {kHearts, "Ten with Q", "+1"},
      {kDiamonds, "high cards A", "+13"}, {kDiamonds, "no card below the Jack", "-1"},
      {kClubs, "high cards J", "+2"},     {kClubs, "unguarded Jack", "-1"},
  };
  EXPECT_EQ(explainKleinman(handFromText("KQ7543 QT2 A J98")), expected);
}

TEST(Kleinman, BreakdownOfBareHonoursAndFlatHand) {
  const Breakdown king = explainKleinman(handFromText("K Qx xxxxx xxxxx"));
  const Breakdown expected = {
      {kSpades, "high cards K", "+9"},           {kSpades, "unguarded singleton King", "-1"},
      {kSpades, "no card below the Jack", "-1"}, {kHearts, "high cards Q", "+5"},
      {kHearts, "unguarded Queen", "-1"},
  };
  EXPECT_EQ(king, expected);
  EXPECT_EQ(explainKleinman(handFromText("xxxx xxx xxx xxx")),
            (Breakdown{{kWholeHand, "4-3-3-3 hand", "-2"}}));
}

}  // namespace
}  // namespace bidgauge
