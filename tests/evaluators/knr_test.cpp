#include "evaluators/knr.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "evaluators/breakdown.hpp"
#include "support/hand_text.hpp"
#include "term_units.hpp"

namespace bidgauge {
namespace {

struct HandCase {
  const char* hand;
  int hundredths;
  bool opens;
};

TEST(KnR, WholeHands) {
  const HandCase cases[] = {
      {"764 AQJ74 42 A83", 1220, true},
      {"KQTxxxx Axx Tx x", 1410, true},
      {"KQ7543 QT2 A J98", 1235, true},
      {"JT9x AKx KJT Txx", 1200, true},   // exactly 12.00 opens
      {"xxxx Axx AK9 JT9", 1195, false},  // 11.95 does not
      {"xxxx xxx xxx xxx", -50, false},
      {"AKQJT98765432 - - -", 2765, true},  // 13.65 + 6 + distribution 9 - 1
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hand);
    const KnrResult result = evaluateKnR(handFromText(c.hand));
    EXPECT_EQ(result.hundredths, c.hundredths);
    EXPECT_EQ(result.opens, c.opens);
  }
}

// Hands of spot cards only score their distribution, and swallow points for a suit of
// seven or more, which lacks the Queen and the Jack.
TEST(KnR, SpotCardHands) {
  const HandCase cases[] = {
      {"xxxx xxx xxx xxx", -50, false},      // 4-3-3-3
      {"xxxxx xxx xxx xx", 0, false},        // 5-3-3-2
      {"xxxx xxxx xxxx x", 100, false},      // 4-4-4-1
      {"xxxxx xxxx xx xx", 100, false},      // 5-4-2-2
      {"xxxxxx xxxxxx x -", 400, false},     // 6-6-1-0
      {"xxxxxxx xxxxxx - -", 570, false},    // 7-6-0-0: 5, swallow 1 x 7 / 10
      {"xxxxxxxxxxxxx - - -", 1190, false},  // 13-0-0-0: 8, swallow 3 x 13 / 10
      {"- xxxxx xxxx xxxx", 200, false},     // void in the first suit
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hand);
    EXPECT_EQ(evaluateKnR(handFromText(c.hand)).hundredths, c.hundredths);
  }
}

struct SuitCase {
  const char* holding;
  int quality;  // hundredths
  int honourValue;
};

// The distribution term of a hand's shape, as checked by SpotCardHands.
int distributionHundredths(const Hand& hand) {
  int points = 0;
  for (const int length : hand.suitLength) points += std::max(0, 3 - length);
  return points == 0 ? -50 : 100 * (points - 1);
}

// One suit's quality and honour value, beside suits of spot cards that score only
// their distribution; the honour value is also read from the suit's terms.
TEST(KnR, SingleSuits) {
  const SuitCase cases[] = {
      {"AKT9xx", 510, 525},
      {"KQT9xxxx", 520, 325},
      {"AQxx", 240, 400},
      {"KJT9x", 275, 250},
      {"QJ", 60, 50},
      {"KQJT", 280, 350},
      // Supporting honours: both Nine rows, the third row only, too long, all four honours.
      {"AKQ98", 500, 600},
      {"AKQ9x", 475, 600},
      {"AKQ9xx", 540, 600},
      {"AKQJ9", 500, 600},
      {"AKJ9x", 425, 550},
      {"AKJ9xx", 480, 550},
      {"AK9x", 300, 500},
      {"Q98x", 100, 75},
      {"T9x", 30, 0},
      {"J9x", 30, 0},
      {"JT", 40, 0},
      {"AT9x", 200, 325},
      {"AKT", 240, 525},
      {"AKQT", 400, 600},
      {"KT", 70, 200},
      // Honour values by length.
      {"K", 30, 50},
      {"Q", 20, 0},
      {"Qx", 40, 25},
      {"AQ", 120, 350},
      {"KQ", 100, 250},
      {"Qxx", 60, 75},
      {"AKQJ", 400, 600},
      {"J", 10, 0},
      {"Jx", 20, 0},
      {"KJ", 80, 225},
      {"Tx", 10, 0},
      {"A", 40, 300},
      // Swallow points.
      {"QJxxxxx", 210, 100},
      {"AKxxxxx", 560, 500},
      {"AKQxxxxx", 800, 600},
      {"AKJxxxxx", 800, 550},
      {"AKxxxxxx", 720, 500},
      {"AKxxxxxxx", 900, 500},
      {"AKQxxxxxx", 900, 600},
      {"AKJxxxxxx", 900, 550},
      {"AKQJxxxxx", 900, 600},
      {"xxxxxxx", 70, 0},
      {"AKQJT98765432", 1365, 600},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.holding);
    const Hand hand = handWithSpades(c.holding);
    EXPECT_EQ(evaluateKnR(hand).hundredths,
              c.quality + c.honourValue + distributionHundredths(hand));
    int honourValue = 0;
    for (const auto& term : explainKnR(hand)) {
      if (term.suit == kSpades && term.reason.starts_with("honor value")) {
        honourValue += termUnits(term.value, 100).value();
      }
    }
    EXPECT_EQ(honourValue, c.honourValue);
  }
}

TEST(KnR, BreakdownNamesEachTerm) {
  const Breakdown expected = {
      {kHearts, "high cards A Q J, 7 x 5 / 10", "+3.5"},
      {kHearts, "honor value: Ace", "+3"},
      {kHearts, "honor value: Queen with Ace or King", "+1"},
      {kHearts, "honor value: Jack with two higher honors", "+0.5"},
      {kDiamonds, "distribution: doubleton", "+1"},
      {kClubs, "high cards A, 4 x 3 / 10", "+1.2"},
      {kClubs, "honor value: Ace", "+3"},
      {kWholeHand, "first distribution point discounted", "-1"},
  };
  EXPECT_EQ(explainKnR(handFromText("764 AQJ74 42 A83")), expected);
}

TEST(KnR, BreakdownOfSupportSwallowAndFlatHand) {
  const Breakdown support = explainKnR(handWithSpades("AKT9xx"));
  EXPECT_EQ(support[1],
            (BreakdownTerm{kSpades, "support: Ten with two or more honors, 0.5 x 6 / 10", "+0.3"}));
  EXPECT_EQ(support[2], (BreakdownTerm{kSpades, "support: Nine with Ten, 0.5 x 6 / 10", "+0.3"}));
  const Breakdown swallow = explainKnR(handWithSpades("KQT9xxxx"));
  EXPECT_EQ(swallow[1], (BreakdownTerm{kSpades, "swallow: Jack missing, 1 x 8 / 10", "+0.8"}));
  const Breakdown flat = explainKnR(handFromText("xxxx xxx xxx xxx"));
  EXPECT_EQ(flat, (Breakdown{{kWholeHand, "4-3-3-3 hand", "-0.5"}}));
}

}  // namespace
}  // namespace bidgauge
