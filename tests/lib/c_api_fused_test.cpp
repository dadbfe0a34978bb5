// The library values hands through the fused table, straight from the
// caller's struct.
#include <gtest/gtest.h>

#include <random>

#include "bidgauge/bidgauge.h"
#include "evaluators/evaluation.hpp"
#include "lib/hand_bridge.hpp"
#include "support/random_hands.hpp"

namespace bidgauge {
namespace {

constexpr unsigned bit(int rank) {
  return 1U << rank;  // 1 Ace ... 13 Two
}

// A C++ program may call the library from its own static initialisers, before
// any of the library's would run: the table must be built by the compiler.
// This file's initialiser runs before those of the engine's objects, which are
// linked after it.
bidgauge_valuation valuedBeforeMain() {
  // KQ7543 QT2 A J98, built without reading text.
  bidgauge_hand hand{};
  hand.cards[BIDGAUGE_SPADES] = bit(2) | bit(3) | bit(8) | bit(10) | bit(11) | bit(12);
  hand.cards[BIDGAUGE_HEARTS] = bit(3) | bit(5) | bit(13);
  hand.cards[BIDGAUGE_DIAMONDS] = bit(1);
  hand.cards[BIDGAUGE_CLUBS] = bit(4) | bit(6) | bit(7);
  bidgauge_valuation valuation{};
  bidgauge_evaluate(&hand, &valuation);
  return valuation;
}

const bidgauge_valuation kValuedBeforeMain = valuedBeforeMain();

TEST(CApiStaticInitialisers, FindTheValuesReady) {
  EXPECT_EQ(kValuedBeforeMain.knr_hundredths, 1235);
  EXPECT_EQ(kValuedBeforeMain.zar_points, 28);
  EXPECT_EQ(kValuedBeforeMain.kleinman_points, 11);
  EXPECT_EQ(kValuedBeforeMain.honor_trick_halves, 5);
  EXPECT_EQ(kValuedBeforeMain.high_card_points, 12);
}

// Hands a step away from valid ones, a bit or a count changed: the lanes worked
// out for all suits at once refuse exactly the hands bidgauge_hand_is_valid
// refuses, and value the others as the engine does.
TEST(CApiEvaluate, RefusesWhatIsNotValidAndValuesTheRest) {
  RandomHands hands(99);
  std::mt19937& engine = hands.engine();
  int refused = 0;
  for (int i = 0; i < 20000; ++i) {
    bidgauge_hand hand = apiHand(hands.next());
    const auto suit = hands.pick(4);
    switch (hands.pick(5)) {
      case 0:  // any of the 16 bits, rank or not
        hand.cards[suit] ^= static_cast<uint16_t>(1U << hands.pick(16));
        break;
      case 1:
        hand.spots[suit] = static_cast<uint8_t>(engine());
        break;
      case 2:  // a rank moved to another suit: still 13 cards
        if (const auto rank = 1 + hands.pick(13); (hand.cards[suit] >> rank & 1U) != 0) {
          hand.cards[suit] ^= static_cast<uint16_t>(1U << rank);
          hand.cards[(suit + 1) % 4] |= static_cast<uint16_t>(1U << rank);
        }
        break;
      case 3:  // left as dealt
        break;
      default:  // a rank moved to a bit that is no rank: still 13 bits
        if (const auto rank = 1 + hands.pick(13); (hand.cards[suit] >> rank & 1U) != 0) {
          constexpr unsigned kNoRank[] = {0, 14, 15};
          hand.cards[suit] ^= static_cast<uint16_t>(1U << rank | 1U << kNoRank[hands.pick(3)]);
        }
        break;
    }
    bidgauge_valuation valuation{};
    const int status = bidgauge_evaluate(&hand, &valuation);
    ASSERT_EQ(status == BIDGAUGE_OK, bidgauge_hand_is_valid(&hand) == 1) << i;
    if (status != BIDGAUGE_OK) {
      ++refused;
      continue;
    }
    const Evaluation engineValues = evaluateAll(engineHand(hand));
    ASSERT_EQ(valuation.knr_hundredths, engineValues.knr.hundredths) << i;
    ASSERT_EQ(valuation.zar_points, engineValues.zar.points) << i;
    ASSERT_EQ(valuation.kleinman_points, engineValues.kleinman.points) << i;
    ASSERT_EQ(valuation.honor_trick_halves, engineValues.culbertson.halfTricks) << i;
  }
  EXPECT_GT(refused, 2000);
  EXPECT_LT(refused, 18000);
}

}  // namespace
}  // namespace bidgauge
