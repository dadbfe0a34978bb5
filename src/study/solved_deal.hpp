#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "hand/hand.hpp"

namespace bidgauge {

// Seats of a whole deal, clockwise from North.
inline constexpr int kNorth = 0;
inline constexpr int kEast = 1;
inline constexpr int kSouth = 2;
inline constexpr int kWest = 3;
inline constexpr int kSeatCount = 4;

// Strains: the four suits in the hand's suit order (kSpades ... kClubs), then
// notrump, the order the double-dummy solver uses.
inline constexpr int kNotrump = 4;
inline constexpr int kStrainCount = 5;

// A deal of all 52 cards, hands[seat] for N, E, S, W. Every card is named:
// a hand written with spot cards as "x" is no whole deal.
struct WholeDeal {
  std::array<Hand, kSeatCount> hands{};
  friend bool operator==(const WholeDeal&, const WholeDeal&) = default;
};

// Double-dummy tricks of a deal: tricks[strain][declarer], -1 where not known.
struct DealTricks {
  static constexpr std::int8_t kUnknown = -1;
  std::array<std::array<std::int8_t, kSeatCount>, kStrainCount> tricks{
      {{-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}}};
  bool known(int strain) const {
    for (std::int8_t t : tricks[static_cast<std::size_t>(strain)]) {
      if (t < 0) return false;
    }
    return true;
  }
  friend bool operator==(const DealTricks&, const DealTricks&) = default;
};

// A bit per strain (1 << strain).
using StrainSet = std::uint8_t;

// A deal with the tricks known of it, and its place in the study's input
// (0-based): even deals fit the lines, odd deals test them.
struct SolvedDeal {
  long number = 0;
  WholeDeal deal;
  DealTricks tricks;
};

// The strains the study asks about: notrump, and each partnership's longest
// combined suit (every suit tied for longest, since a tie goes to the suit
// where the side takes more tricks).
inline StrainSet strainsToSolve(const WholeDeal& deal) {
  StrainSet strains = 1u << kNotrump;
  for (int side = 0; side < 2; ++side) {
    const Hand& first = deal.hands[static_cast<std::size_t>(side)];
    const Hand& second = deal.hands[static_cast<std::size_t>(side + 2)];
    int longest = 0;
    for (int suit = 0; suit < kSuitCount; ++suit) {
      const auto s = static_cast<std::size_t>(suit);
      longest = std::max(longest, first.suitLength[s] + second.suitLength[s]);
    }
    for (int suit = 0; suit < kSuitCount; ++suit) {
      const auto s = static_cast<std::size_t>(suit);
      if (first.suitLength[s] + second.suitLength[s] == longest) {
        strains = static_cast<StrainSet>(strains | 1u << suit);
      }
    }
  }
  return strains;
}

}  // namespace bidgauge
