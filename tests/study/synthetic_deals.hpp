#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "evaluators/fused.hpp"
#include "hand/card_tables.hpp"
#include "study/random_stream.hpp"
#include "study/solved_deal.hpp"

namespace bidgauge {

// A deck shuffled with the study's own stream, dealt 13 cards a seat.
inline WholeDeal randomWholeDeal(RandomStream& stream) {
  std::array<int, 4 * kRankCount> deck{};
  std::iota(deck.begin(), deck.end(), 0);
  for (std::size_t i = deck.size() - 1; i > 0; --i) {
    std::swap(deck[i], deck[static_cast<std::size_t>(stream.below(i + 1))]);
  }
  WholeDeal deal;
  for (std::size_t i = 0; i < deck.size(); ++i) {
    Hand& hand = deal.hands[i / kCardsInHand];
    const auto suit = static_cast<std::size_t>(deck[i] / kRankCount);
    const auto rank = static_cast<std::size_t>(deck[i] % kRankCount + 1);
    hand.suitCards[suit] = static_cast<std::int16_t>(hand.suitCards[suit] | rankBit[rank]);
    ++hand.suitLength[suit];
    ++hand.cardCount;
  }
  return deal;
}

// Made-up tricks that follow the side's 4-3-2-1 count in steps of three
// points, the same in every strain and for either declarer.
inline DealTricks tricksFromPoints(const WholeDeal& deal) {
  DealTricks tricks;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const int side = seat % 2;
    const int points = evaluateFused(deal.hands[static_cast<std::size_t>(side)]).hcp +
                       evaluateFused(deal.hands[static_cast<std::size_t>(side + 2)]).hcp;
    for (auto& byDeclarer : tricks.tricks) {
      byDeclarer[static_cast<std::size_t>(seat)] =
          static_cast<std::int8_t>(std::min(points / 3, 13));
    }
  }
  return tricks;
}

// `count` random deals numbered from 0, with tricks from tricksFromPoints.
inline std::vector<SolvedDeal> syntheticDeals(long count, std::uint64_t seed) {
  RandomStream stream(seed);
  std::vector<SolvedDeal> deals;
  deals.reserve(static_cast<std::size_t>(count));
  for (long number = 0; number < count; ++number) {
    SolvedDeal solved{number, randomWholeDeal(stream), {}};
    solved.tricks = tricksFromPoints(solved.deal);
    deals.push_back(solved);
  }
  return deals;
}

}  // namespace bidgauge
