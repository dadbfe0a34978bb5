#include "lib/hand_bridge.hpp"

#include <bit>
#include <cstdint>

namespace bidgauge {
namespace {

constexpr unsigned kRankBits = 0x3FFEU;  // bit 1 Ace ... bit 13 Two

int cardsIn(std::uint16_t cards, std::uint8_t spots) {
  return std::popcount(static_cast<unsigned>(cards)) + spots;
}

}  // namespace

bool holdsThirteenCards(const bidgauge_hand& hand) {
  int total = 0;
  unsigned stray = 0;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    total += cardsIn(hand.cards[suit], hand.spots[suit]);
    stray |= hand.cards[suit] & ~kRankBits;
  }
  return total == kCardsInHand && stray == 0;
}

Hand engineHand(const bidgauge_hand& hand) {
  Hand engine;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    engine.suitCards[suit] = static_cast<std::int16_t>(hand.cards[suit]);
    engine.spotCount[suit] = static_cast<std::int16_t>(hand.spots[suit]);
    engine.suitLength[suit] =
        static_cast<std::int16_t>(cardsIn(hand.cards[suit], hand.spots[suit]));
    engine.cardCount = static_cast<std::int16_t>(engine.cardCount + engine.suitLength[suit]);
  }
  return engine;
}

bidgauge_hand apiHand(const Hand& hand) {
  bidgauge_hand api{};
  for (int suit = 0; suit < kSuitCount; ++suit) {
    api.cards[suit] = static_cast<std::uint16_t>(hand.suitCards[suit]);
    api.spots[suit] = static_cast<std::uint8_t>(hand.spotCount[suit]);
  }
  return api;
}

bool formatsAsHandValues(const bidgauge_valuation& valuation) {
  return kKnrHundredthsRange.holds(valuation.knr_hundredths) &&
         kZarPointsRange.holds(valuation.zar_points) &&
         kKleinmanPointsRange.holds(valuation.kleinman_points) &&
         kKleinmanQualityRange.holds(valuation.kleinman_quality) &&
         kHonorTrickHalvesRange.holds(valuation.honor_trick_halves);
}

}  // namespace bidgauge
