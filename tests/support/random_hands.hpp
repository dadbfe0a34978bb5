#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>

#include "hand/card_tables.hpp"
#include "hand/hand.hpp"

namespace bidgauge {

// Legal random hands from a fixed seed. Every other hand is dealt from a shuffled
// deck; the rest get a random shape first (so that long suits and voids are common)
// and random ranks within it. Then a random share of the cards becomes spot cards.
class RandomHands {
 public:
  explicit RandomHands(std::uint32_t seed) : engine_(seed) {}

  Hand next() {
    Hand hand = (count_++ % 2 == 0) ? dealt() : shaped();
    static constexpr std::array<double, 4> kSpotShare = {0.0, 0.2, 0.5, 0.9};
    std::bernoulli_distribution toSpot(kSpotShare[pick(kSpotShare.size())]);
    for (std::size_t suit = 0; suit < kSuitCount; ++suit) {
      for (std::size_t rank = 1; rank <= kRankCount; ++rank) {
        if ((hand.suitCards[suit] & rankBit[rank]) == 0 || !toSpot(engine_)) continue;
        hand.suitCards[suit] = static_cast<std::int16_t>(hand.suitCards[suit] & ~rankBit[rank]);
        ++hand.spotCount[suit];
      }
    }
    return hand;
  }

  std::size_t pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(engine_);
  }

  std::mt19937& engine() { return engine_; }

 private:
  static void add(Hand& hand, std::size_t suit, std::size_t rank) {
    hand.suitCards[suit] = static_cast<std::int16_t>(hand.suitCards[suit] | rankBit[rank]);
    ++hand.suitLength[suit];
    ++hand.cardCount;
  }

  Hand dealt() {
    std::array<int, 4 * kRankCount> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    std::shuffle(deck.begin(), deck.end(), engine_);
    Hand hand;
    for (int i = 0; i < kCardsInHand; ++i) {
      const auto card = static_cast<std::size_t>(deck[static_cast<std::size_t>(i)]);
      add(hand, card / kRankCount, card % kRankCount + 1);
    }
    return hand;
  }

  Hand shaped() {
    std::array<std::size_t, 5> cuts = {0, pick(14), pick(14), pick(14), kRankCount};
    std::sort(cuts.begin(), cuts.end());
    Hand hand;
    for (std::size_t suit = 0; suit < kSuitCount; ++suit) {
      std::array<std::size_t, kRankCount> ranks{};
      std::iota(ranks.begin(), ranks.end(), 1);
      std::shuffle(ranks.begin(), ranks.end(), engine_);
      for (std::size_t i = 0; i < cuts[suit + 1] - cuts[suit]; ++i) add(hand, suit, ranks[i]);
    }
    return hand;
  }

  std::mt19937 engine_;
  std::uint64_t count_ = 0;
};

}  // namespace bidgauge
