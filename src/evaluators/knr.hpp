#pragma once

#include "hand/hand.hpp"

namespace bidgauge {

// The Kaplan-Rubens "Four C's" count.
struct KnrResult {
  int hundredths = 0;  // the points times 100, exact: 12.20 -> 1220, -0.50 -> -50
  bool opens = false;  // 12.00 or more

  friend bool operator==(const KnrResult&, const KnrResult&) = default;
};

inline constexpr int kKnrOpeningHundredths = 1200;

KnrResult evaluateKnR(const Hand& hand);

}  // namespace bidgauge
