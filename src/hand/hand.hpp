#pragma once

#include <array>
#include <cstdint>

namespace bidgauge {

// Suit indices, in the order suits are typed and shown.
inline constexpr int kSuitCount = 4;
inline constexpr int kSpades = 0;
inline constexpr int kHearts = 1;
inline constexpr int kDiamonds = 2;
inline constexpr int kClubs = 3;

// Rank index r (1 = Ace ... 13 = Two) is held when bit r of suitCards is set.
inline constexpr int kRankCount = 13;
inline constexpr int kCardsInHand = 13;

// One 13-card hand as typed: named ranks as bits, spot cards (x) only counted.
struct Hand {
  std::array<std::int16_t, kSuitCount> suitLength{};
  std::array<std::int16_t, kSuitCount> suitCards{};
  std::array<std::int16_t, kSuitCount> spotCount{};
  std::int16_t cardCount = 0;

  friend bool operator==(const Hand&, const Hand&) = default;
};

// Card bits of the ranks the evaluators look at.
namespace card {
inline constexpr std::int16_t ace = 2;
inline constexpr std::int16_t king = 4;
inline constexpr std::int16_t queen = 8;
inline constexpr std::int16_t jack = 16;
inline constexpr std::int16_t ten = 32;
inline constexpr std::int16_t nine = 64;
inline constexpr std::int16_t eight = 128;
}  // namespace card

}  // namespace bidgauge
