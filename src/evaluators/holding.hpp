#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "hand/hand.hpp"

namespace bidgauge {

// The evaluators look at the seven top ranks only (Ace down to Eight). A suit's
// holding is those ranks plus its length, so every per-suit rule is a function of
// one of kHoldingCount keys and can be tabulated at compile time.
inline constexpr int kTopRanks = 7;
inline constexpr int kTopMasks = 1 << kTopRanks;
inline constexpr int kHoldingCount = kTopMasks * (kRankCount + 1);

// One suit as the rules see it: the holding flags and the length.
struct Holding {
  int length = 0;
  bool hasAce = false;
  bool hasKing = false;
  bool hasQueen = false;
  bool hasJack = false;
  bool hasTen = false;
  bool hasNine = false;
  bool hasEight = false;

  // Ace, King and Queen held.
  constexpr int higherHonours() const { return hasAce + hasKing + hasQueen; }
  // Ace, King, Queen and Jack held.
  constexpr int honours() const { return higherHonours() + hasJack; }
};

// A suit's key = length * kTopMasks + top-rank bits (bit 0 Ace ... bit 6 Eight): all
// any evaluator needs to know about the suit.
using SuitKeys = std::array<int, kSuitCount>;

// A length outside 0..13 (never built by entry) is clamped, so that a malformed
// hand can never index outside a table.
constexpr SuitKeys suitKeysOf(const Hand& hand) {
  const auto key = [&hand](std::size_t suit) {
    const int length = std::min<int>(static_cast<std::uint16_t>(hand.suitLength[suit]), kRankCount);
    const int top = (hand.suitCards[suit] >> 1) & (kTopMasks - 1);
    return length * kTopMasks + top;
  };
  return {key(0), key(1), key(2), key(3)};
}

constexpr int lengthOfKey(int key) {
  return key / kTopMasks;
}

constexpr Holding holdingFromKey(int key) {
  const int top = key % kTopMasks;
  const auto held = [top](int rank) { return (top >> (rank - 1) & 1) != 0; };
  return Holding{lengthOfKey(key), held(1), held(2), held(3), held(4), held(5), held(6), held(7)};
}

// A rule's per-suit result for every possible holding, indexed by key.
template <class Entry, class Rule>
constexpr std::array<Entry, kHoldingCount> tabulateHoldings(Rule rule) {
  std::array<Entry, kHoldingCount> table{};
  for (int key = 0; key < kHoldingCount; ++key) table[key] = rule(holdingFromKey(key));
  return table;
}

// Card letters for explanations, e.g. "A K T"; `ranks` is a bit set like the
// holding key (bit 0 Ace ... bit 6 Eight), and only held cards are listed.
std::string heldCards(const Holding& holding, unsigned ranks);

namespace ranks {
inline constexpr unsigned ace = 1U << 0;
inline constexpr unsigned king = 1U << 1;
inline constexpr unsigned queen = 1U << 2;
inline constexpr unsigned jack = 1U << 3;
inline constexpr unsigned ten = 1U << 4;
inline constexpr unsigned nine = 1U << 5;
inline constexpr unsigned honours = ace | king | queen | jack;
}  // namespace ranks

}  // namespace bidgauge
