#pragma once

#include <array>
#include <string_view>

#include "study/solved_deal.hpp"
#include "support/hand_text.hpp"

namespace bidgauge {

inline constexpr int kCardsInDeal = kSuitCount * kRankCount;

// Card c of a deck is suit c / 13 (spades first) and rank 1 + c % 13 (the
// Ace first), as a Hand numbers them.
using SeatOfCard = std::array<int, kCardsInDeal>;

inline WholeDeal dealOfSeats(const SeatOfCard& seatOfCard) {
  WholeDeal deal;
  for (int card = 0; card < kCardsInDeal; ++card) {
    Hand& hand = deal.hands[static_cast<std::size_t>(seatOfCard[static_cast<std::size_t>(card)])];
    const auto suit = static_cast<std::size_t>(card / kRankCount);
    hand.suitCards[suit] =
        static_cast<std::int16_t>(hand.suitCards[suit] | 1 << (1 + card % kRankCount));
    ++hand.suitLength[suit];
    ++hand.cardCount;
  }
  return deal;
}

// A deal from the hands of N, E, S and W as typed ("AKQJT98 AKQJT9 - -").
inline WholeDeal dealOfHands(const std::array<std::string_view, kSeatCount>& hands) {
  WholeDeal deal;
  for (std::size_t seat = 0; seat < hands.size(); ++seat)
    deal.hands[seat] = handFromText(hands[seat]);
  return deal;
}

// Tricks of every strain and declarer, rows S, H, D, C, NT.
using TrickTable = std::array<std::array<std::int8_t, kSeatCount>, kStrainCount>;

}  // namespace bidgauge
