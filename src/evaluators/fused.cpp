#include "evaluators/fused.hpp"

#include <array>
#include <bit>
#include <cstdint>

#include "evaluators/fused_table.hpp"
#include "evaluators/suit_parts.hpp"

namespace bidgauge {
namespace {

using fused::kLengthsKept;
using fused::kTable;

// The four suits' keys in 16-bit lanes, worked out for all suits at once. The
// lanes may lie in any order: the sums and the sorted lengths do not care.
std::uint64_t keyLanes(const Hand& hand) {
  constexpr std::uint64_t kEveryLane = 0x0001000100010001U;
  const auto lengths = std::bit_cast<std::uint64_t>(hand.suitLength);
  const auto cards = std::bit_cast<std::uint64_t>(hand.suitCards);
  return (lengths & (kLengthsKept - 1) * kEveryLane) * kTopMasks |
         (cards >> 1 & (kTopMasks - 1) * kEveryLane);
}

}  // namespace

HandValues evaluateFused(const Hand& hand) {
  return evaluateFusedKeys(keyLanes(hand));
}

HandValues evaluateFusedKeys(std::uint64_t keys) {
  std::array<int, kSuitCount> lengths{};
  std::uint64_t sums = 0;
  for (std::size_t suit = 0; suit < kSuitCount; ++suit) {
    const auto key = static_cast<std::uint16_t>(keys >> (16 * suit));
    sums += kTable[key];
    lengths[suit] = lengthOfKey(key);
  }
  const SuitParts sum = fused::unpack(sums);
  return {{knrFromParts(sum), zarFromParts(sum, lengths), kleinmanFromParts(sum),
           culbertsonFromParts(sum)},
          sum.hcp};
}

}  // namespace bidgauge
