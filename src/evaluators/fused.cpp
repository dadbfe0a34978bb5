#include "evaluators/fused.hpp"

#include <array>
#include <cstdint>
#include <cstdlib>

#include "evaluators/suit_keys.hpp"
#include "evaluators/suit_parts.hpp"

namespace bidgauge {
namespace {

// A suit's parts packed into two words, so that a hand's four suits add up in
// two additions per suit. Every field is below its lane's limit over four
// suits; Kleinman's suit total is stored with a bias so that it is never negative.
struct Packed {
  std::uint64_t wide = 0;    // 16-bit KnR, 16-bit Kleinman, then 8-bit hcp, controls,
                             // half tricks, plus-values
  std::uint64_t narrow = 0;  // 8 bits each: KnR short-suit points, Zar's hcp suits and
                             // honours-only suits, Kleinman's short suits, Kx, Qx
};

constexpr int kKleinmanBias = 16;

std::uint64_t field(int value, int bits, int shift) {
  // A value that could spill into the next lane over four suits is a broken table.
  if (value < 0 || 4 * value >= (1 << bits)) std::abort();
  return static_cast<std::uint64_t>(value) << shift;
}

Packed pack(const SuitParts& p) {
  return {field(p.knrHundredths, 16, 0) | field(p.kleinmanTotal + kKleinmanBias, 16, 16) |
              field(p.hcp, 8, 32) | field(p.zarControls, 8, 40) |
              field(p.culbertsonHalfTricks, 8, 48) | field(p.culbertsonPlusValues, 8, 56),
          field(p.knrShortSuitPoints, 8, 0) | field(p.zarHcpSuits, 8, 8) |
              field(p.zarHonoursOnlySuits, 8, 16) | field(p.kleinmanShortSuits, 8, 24) |
              field(p.culbertsonKx, 8, 32) | field(p.culbertsonQx, 8, 40)};
}

std::array<Packed, kHoldingCount> makeTable() {
  std::array<Packed, kHoldingCount> table{};
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

const std::array<Packed, kHoldingCount> kTable = makeTable();

int lane(std::uint64_t word, int shift, unsigned mask) {
  return static_cast<int>(word >> shift & mask);
}

}  // namespace

HandValues evaluateFused(const Hand& hand) {
  const SuitKeys keys = suitKeysOf(hand);
  std::uint64_t wide = 0;
  std::uint64_t narrow = 0;
  for (const int key : keys) {
    wide += kTable[static_cast<std::size_t>(key)].wide;
    narrow += kTable[static_cast<std::size_t>(key)].narrow;
  }
  SuitParts sum;
  sum.knrHundredths = lane(wide, 0, 0xFFFF);
  sum.kleinmanTotal = lane(wide, 16, 0xFFFF) - 4 * kKleinmanBias;
  sum.hcp = lane(wide, 32, 0xFF);
  sum.zarControls = lane(wide, 40, 0xFF);
  sum.culbertsonHalfTricks = lane(wide, 48, 0xFF);
  sum.culbertsonPlusValues = lane(wide, 56, 0xFF);
  sum.knrShortSuitPoints = lane(narrow, 0, 0xFF);
  sum.zarHcpSuits = lane(narrow, 8, 0xFF);
  sum.zarHonoursOnlySuits = lane(narrow, 16, 0xFF);
  sum.kleinmanShortSuits = lane(narrow, 24, 0xFF);
  sum.culbertsonKx = lane(narrow, 32, 0xFF);
  sum.culbertsonQx = lane(narrow, 40, 0xFF);
  const std::array<int, kSuitCount> lengths = {lengthOfKey(keys[0]), lengthOfKey(keys[1]),
                                               lengthOfKey(keys[2]), lengthOfKey(keys[3])};
  return {{knrFromParts(sum), zarFromParts(sum, lengths), kleinmanFromParts(sum),
           culbertsonFromParts(sum)},
          sum.hcp};
}

}  // namespace bidgauge
