#pragma once

#include "hand/hand.hpp"

namespace bidgauge {

struct KleinmanResult {
  int points = 0;
  int quality = 0;     // +1 good, 0 ordinary, -1 bad
  bool opens = false;  // 11 points or more

  friend bool operator==(const KleinmanResult&, const KleinmanResult&) = default;
};

inline constexpr int kKleinmanOpening = 11;

// The quality of a counted total (three to a point): remainder 2 is good, 0 bad,
// 1 ordinary. The remainder carries the total's sign, so a negative one is ordinary.
constexpr int kleinmanQuality(int total) {
  const int remainder = total % 3;
  return remainder == 2 ? 1 : remainder == 0 ? -1 : 0;
}

KleinmanResult evaluateKleinman(const Hand& hand);

}  // namespace bidgauge
