#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

#include "evaluators/culbertson_suit.hpp"
#include "evaluators/holding.hpp"
#include "evaluators/kleinman_suit.hpp"
#include "evaluators/knr_suit.hpp"
#include "evaluators/suit_parts.hpp"
#include "evaluators/zar_suit.hpp"

// Every method's part of each suit holding, packed into one word, so that a hand
// takes four lookups in all. The compiler builds the table: it is ready before any
// code runs, even a library caller's own static initialisers.
namespace bidgauge::fused {

// Where each part of a suit lies in its packed word, and how many bits it has:
// enough for the sum over four suits, so that a hand's suits add up in one
// addition per suit.
struct Lane {
  int shift;
  int bits;
};
inline constexpr Lane kKnrHundredths{0, 13};
inline constexpr Lane kKnrShortSuitPoints{13, 4};
inline constexpr Lane kHcp{17, 6};
inline constexpr Lane kZarControls{23, 4};
inline constexpr Lane kZarHcpSuits{27, 3};
inline constexpr Lane kZarHonoursOnlySuits{30, 3};
inline constexpr Lane kKleinmanTotal{33, 8};
inline constexpr Lane kKleinmanShortSuits{41, 3};
inline constexpr Lane kCulbertsonHalfTricks{44, 5};
inline constexpr Lane kCulbertsonPlusValues{49, 3};
inline constexpr Lane kCulbertsonKx{52, 3};
inline constexpr Lane kCulbertsonQx{55, 3};

constexpr std::uint64_t field(int value, Lane lane) {
  // A value that could spill into the next lane over four suits would break the
  // sums: throwing makes it a compile error.
  if (value < 0 || 4 * value >= (1 << lane.bits)) throw std::out_of_range("fused table lane");
  return static_cast<std::uint64_t>(value) << lane.shift;
}

constexpr int get(std::uint64_t word, Lane lane) {
  return static_cast<int>(word >> lane.shift & ((1U << lane.bits) - 1));
}

constexpr std::uint64_t pack(const SuitParts& p) {
  return field(p.knrHundredths, kKnrHundredths) | field(p.knrShortSuitPoints, kKnrShortSuitPoints) |
         field(p.hcp, kHcp) | field(p.zarControls, kZarControls) |
         field(p.zarHcpSuits, kZarHcpSuits) | field(p.zarHonoursOnlySuits, kZarHonoursOnlySuits) |
         field(p.kleinmanTotal, kKleinmanTotal) | field(p.kleinmanShortSuits, kKleinmanShortSuits) |
         field(p.culbertsonHalfTricks, kCulbertsonHalfTricks) |
         field(p.culbertsonPlusValues, kCulbertsonPlusValues) |
         field(p.culbertsonKx, kCulbertsonKx) | field(p.culbertsonQx, kCulbertsonQx);
}

// The parts of one suit, or the sums of a hand's four suits.
constexpr SuitParts unpack(std::uint64_t word) {
  SuitParts parts;
  parts.knrHundredths = get(word, kKnrHundredths);
  parts.knrShortSuitPoints = get(word, kKnrShortSuitPoints);
  parts.hcp = get(word, kHcp);
  parts.zarControls = get(word, kZarControls);
  parts.zarHcpSuits = get(word, kZarHcpSuits);
  parts.zarHonoursOnlySuits = get(word, kZarHonoursOnlySuits);
  parts.kleinmanTotal = get(word, kKleinmanTotal);
  parts.kleinmanShortSuits = get(word, kKleinmanShortSuits);
  parts.culbertsonHalfTricks = get(word, kCulbertsonHalfTricks);
  parts.culbertsonPlusValues = get(word, kCulbertsonPlusValues);
  parts.culbertsonKx = get(word, kCulbertsonKx);
  parts.culbertsonQx = get(word, kCulbertsonQx);
  return parts;
}

// Every method's parts of the suit with the given key.
constexpr SuitParts partsOfKey(int key) {
  SuitParts parts;
  addKnrParts(key, parts);
  addZarParts(key, parts);
  addKleinmanParts(key, parts);
  addCulbertsonParts(key, parts);
  return parts;
}

// Keys for lengths 0 to 15: a length is masked rather than clamped, so that
// even a broken hand stays inside the table. Lengths above 13 add nothing.
inline constexpr int kLengthsKept = 16;
inline constexpr int kKeys = kLengthsKept * kTopMasks;

constexpr std::array<std::uint64_t, kKeys> makeTable() {
  std::array<std::uint64_t, kKeys> table{};
  for (int key = 0; key < kHoldingCount; ++key) {
    table[static_cast<std::size_t>(key)] = pack(partsOfKey(key));
  }
  return table;
}

inline constexpr std::array<std::uint64_t, kKeys> kTable = makeTable();

}  // namespace bidgauge::fused
