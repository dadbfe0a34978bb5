#include "evaluators/fused.hpp"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "evaluators/suit_keys.hpp"
#include "evaluators/suit_parts.hpp"

namespace bidgauge {
namespace {

// Where each part of a suit lies in its packed word, and how many bits it has:
// enough for the sum over four suits, so that a hand's suits add up in one
// addition per suit.
struct Lane {
  int shift;
  int bits;
};
constexpr Lane kKnrHundredths{0, 13};
constexpr Lane kKnrShortSuitPoints{13, 4};
constexpr Lane kHcp{17, 6};
constexpr Lane kZarControls{23, 4};
constexpr Lane kZarHcpSuits{27, 3};
constexpr Lane kZarHonoursOnlySuits{30, 3};
constexpr Lane kKleinmanTotal{33, 8};
constexpr Lane kKleinmanShortSuits{41, 3};
constexpr Lane kCulbertsonHalfTricks{44, 5};
constexpr Lane kCulbertsonPlusValues{49, 3};
constexpr Lane kCulbertsonKx{52, 3};
constexpr Lane kCulbertsonQx{55, 3};

std::uint64_t field(int value, Lane lane) {
  // A value that could spill into the next lane over four suits is a broken table.
  if (value < 0 || 4 * value >= (1 << lane.bits)) std::abort();
  return static_cast<std::uint64_t>(value) << lane.shift;
}

std::uint64_t pack(const SuitParts& p) {
  return field(p.knrHundredths, kKnrHundredths) | field(p.knrShortSuitPoints, kKnrShortSuitPoints) |
         field(p.hcp, kHcp) | field(p.zarControls, kZarControls) |
         field(p.zarHcpSuits, kZarHcpSuits) | field(p.zarHonoursOnlySuits, kZarHonoursOnlySuits) |
         field(p.kleinmanTotal, kKleinmanTotal) | field(p.kleinmanShortSuits, kKleinmanShortSuits) |
         field(p.culbertsonHalfTricks, kCulbertsonHalfTricks) |
         field(p.culbertsonPlusValues, kCulbertsonPlusValues) |
         field(p.culbertsonKx, kCulbertsonKx) | field(p.culbertsonQx, kCulbertsonQx);
}

// Keys for lengths 0 to 15: a length is masked rather than clamped, so that
// even a broken hand stays inside the table. Lengths above 13 add nothing.
constexpr int kLengthsKept = 16;
constexpr int kFusedKeys = kLengthsKept * kTopMasks;

std::array<std::uint64_t, kFusedKeys> makeTable() {
  std::array<std::uint64_t, kFusedKeys> table{};
  for (int key = 0; key < kHoldingCount; ++key) {
    SuitParts parts;
    addKnrParts(key, parts);
    addZarParts(key, parts);
    addKleinmanParts(key, parts);
    addCulbertsonParts(key, parts);
    table[static_cast<std::size_t>(key)] = pack(parts);
  }
  return table;
}

const std::array<std::uint64_t, kFusedKeys> kTable = makeTable();

// The four suits' keys in 16-bit lanes, worked out for all suits at once. The
// lanes may lie in any order: the sums and the sorted lengths do not care.
std::uint64_t keyLanes(const Hand& hand) {
  constexpr std::uint64_t kEveryLane = 0x0001000100010001U;
  std::uint64_t lengths = 0;
  std::uint64_t cards = 0;
  static_assert(sizeof lengths == sizeof hand.suitLength && sizeof cards == sizeof hand.suitCards);
  std::memcpy(&lengths, hand.suitLength.data(), sizeof lengths);
  std::memcpy(&cards, hand.suitCards.data(), sizeof cards);
  return (lengths & (kLengthsKept - 1) * kEveryLane) * kTopMasks |
         (cards >> 1 & (kTopMasks - 1) * kEveryLane);
}

int get(std::uint64_t word, Lane lane) {
  return static_cast<int>(word >> lane.shift & ((1U << lane.bits) - 1));
}

}  // namespace

HandValues evaluateFused(const Hand& hand) {
  const std::uint64_t keys = keyLanes(hand);
  std::array<int, kSuitCount> lengths{};
  std::uint64_t sums = 0;
  for (std::size_t suit = 0; suit < kSuitCount; ++suit) {
    const auto key = static_cast<std::uint16_t>(keys >> (16 * suit));
    sums += kTable[key];
    lengths[suit] = lengthOfKey(key);
  }
  SuitParts sum;
  sum.knrHundredths = get(sums, kKnrHundredths);
  sum.knrShortSuitPoints = get(sums, kKnrShortSuitPoints);
  sum.hcp = get(sums, kHcp);
  sum.zarControls = get(sums, kZarControls);
  sum.zarHcpSuits = get(sums, kZarHcpSuits);
  sum.zarHonoursOnlySuits = get(sums, kZarHonoursOnlySuits);
  sum.kleinmanTotal = get(sums, kKleinmanTotal);
  sum.kleinmanShortSuits = get(sums, kKleinmanShortSuits);
  sum.culbertsonHalfTricks = get(sums, kCulbertsonHalfTricks);
  sum.culbertsonPlusValues = get(sums, kCulbertsonPlusValues);
  sum.culbertsonKx = get(sums, kCulbertsonKx);
  sum.culbertsonQx = get(sums, kCulbertsonQx);
  return {{knrFromParts(sum), zarFromParts(sum, lengths), kleinmanFromParts(sum),
           culbertsonFromParts(sum)},
          sum.hcp};
}

}  // namespace bidgauge
