#include "evaluators/fused.hpp"

#include <gtest/gtest.h>

#include "evaluators/fused_table.hpp"
#include "hand/card_tables.hpp"
#include "support/hand_text.hpp"
#include "support/random_hands.hpp"

namespace bidgauge {
namespace {

int highCardPoints(const Hand& hand) {
  int points = 0;
  for (const std::int16_t cards : hand.suitCards) {
    points += 4 * ((cards & card::ace) != 0) + 3 * ((cards & card::king) != 0) +
              2 * ((cards & card::queen) != 0) + ((cards & card::jack) != 0);
  }
  return points;
}

// The table is built by the compiler, so that code run before main (a library
// caller's static initialisers) finds it ready: read here in constant
// expressions. Each word gives back every method's parts of its holding, and
// lengths past 13 add nothing.
constexpr bool tableHoldsEveryHoldingsParts() {
  for (int key = 0; key < fused::kKeys; ++key) {
    const SuitParts expected = key < kHoldingCount ? fused::partsOfKey(key) : SuitParts{};
    if (fused::unpack(fused::kTable[static_cast<std::size_t>(key)]) != expected) return false;
  }
  return true;
}
static_assert(tableHoldsEveryHoldingsParts());
constexpr int kFourHonours = 4 * kTopMasks + 0b1111;  // A K Q J
static_assert(fused::unpack(fused::kTable[kFourHonours]).hcp == 10);
static_assert(fused::unpack(fused::kTable[kFourHonours]).culbertsonHalfTricks == 4);

TEST(FusedEvaluation, IsTheFourEvaluatorsAndTheHighCardPoints) {
  RandomHands hands(4321);
  for (int i = 0; i < 200000; ++i) {
    const Hand hand = hands.next();
    const HandValues values = evaluateFused(hand);
    ASSERT_EQ(values.evaluation, evaluateAll(hand)) << i;
    ASSERT_EQ(values.hcp, highCardPoints(hand)) << i;
  }
}

TEST(FusedEvaluation, CoversTheExtremes) {
  for (const char* text : {"AKQJT98765432 - - -", "xxxxxxxxxxxxx - - -", "AKQJ AKQ AKQ AKQ",
                           "xxxx xxx xxx xxx", "- - AKQJT98765432 -", "Kx Qx Jxxxx Txxx"}) {
    const Hand hand = handFromText(text);
    EXPECT_EQ(evaluateFused(hand).evaluation, evaluateAll(hand)) << text;
    EXPECT_EQ(evaluateFused(hand).hcp, highCardPoints(hand)) << text;
  }
}

// A hand no reader builds still reads inside the tables (the sanitizers watch).
TEST(FusedEvaluation, StaysInsideItsTableForBrokenLengths) {
  Hand hand = handFromText("AKQJ AKQ AKQ AKQ");
  hand.suitLength = {14, 15, -1, 200};
  hand.suitCards = {-1, 0x7FFF, 0, -32768};
  EXPECT_GE(evaluateFused(hand).hcp, 0);
}

}  // namespace
}  // namespace bidgauge
