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

KleinmanResult evaluateKleinman(const Hand& hand);

}  // namespace bidgauge
