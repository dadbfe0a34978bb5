#pragma once

#include <cstdint>

#include "bidgauge/bidgauge.h"
#include "evaluators/fused.hpp"
#include "evaluators/holding.hpp"

namespace bidgauge {

// A caller's hand as the fused evaluation takes it: the four suits' keys, and
// whether the hand holds 13 cards and no bit outside the ranks. Worked out for
// all suits at once in 16-bit lanes, straight from the caller's struct: building
// a Hand first would cost more than valuing it.
struct ApiKeys {
  std::uint64_t lanes = 0;
  bool valid = false;
};

inline ApiKeys apiKeys(const bidgauge_hand& hand) {
  constexpr std::uint64_t kEveryLane = 0x0001000100010001U;
  constexpr std::uint64_t kRankBits = 0x3FFEU * kEveryLane;  // bit 1 Ace ... bit 13 Two
  const auto lane = [](unsigned value, int suit) {
    return static_cast<std::uint64_t>(value) << (16 * suit);
  };
  const std::uint64_t cards = lane(hand.cards[0], 0) | lane(hand.cards[1], 1) |
                              lane(hand.cards[2], 2) | lane(hand.cards[3], 3);
  const std::uint64_t spots = lane(hand.spots[0], 0) | lane(hand.spots[1], 1) |
                              lane(hand.spots[2], 2) | lane(hand.spots[3], 3);
  // The cards of each lane counted in place, in the usual halving steps.
  std::uint64_t counts = cards - (cards >> 1 & 0x5555555555555555U);
  counts = (counts & 0x3333333333333333U) + (counts >> 2 & 0x3333333333333333U);
  counts = (counts + (counts >> 4)) & 0x0F0F0F0F0F0F0F0FU;
  counts = (counts + (counts >> 8)) & 0x00FF00FF00FF00FFU;
  // At most 16 + 255 a lane, and four of those sum without a carry out of the top lane.
  const std::uint64_t lengths = counts + spots;
  const auto total = static_cast<unsigned>((lengths * kEveryLane) >> 48);
  const std::uint64_t lengthKeys = (lengths & (16 - 1) * kEveryLane) * kTopMasks;
  return {lengthKeys | (cards >> 1 & (kTopMasks - 1) * kEveryLane),
          total == kCardsInHand && (cards & ~kRankBits) == 0};
}

inline bidgauge_valuation apiValuation(const HandValues& values) {
  const Evaluation& e = values.evaluation;
  bidgauge_valuation valuation;
  valuation.knr_hundredths = e.knr.hundredths;
  valuation.zar_points = e.zar.points;
  valuation.kleinman_points = e.kleinman.points;
  valuation.kleinman_quality = e.kleinman.quality;
  valuation.honor_trick_halves = e.culbertson.halfTricks;
  valuation.high_card_points = values.hcp;
  valuation.knr_opens = e.knr.opens;
  valuation.zar_opens = e.zar.opens;
  valuation.kleinman_opens = e.kleinman.opens;
  valuation.honor_tricks_opens = e.culbertson.opens;
  return valuation;
}

}  // namespace bidgauge
