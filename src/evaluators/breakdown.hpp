#pragma once

#include <string>
#include <vector>

#include "hand/hand.hpp"

namespace bidgauge {

inline constexpr int kWholeHand = -1;

// One reason a valuation is what it is, e.g. {0, "honor value: Ace", "+3"}.
struct BreakdownTerm {
  int suit = kWholeHand;  // 0..3, or kWholeHand for a term of the whole hand
  std::string reason;
  std::string value;  // signed decimal: "+3", "+0.25", "-1"

  friend bool operator==(const BreakdownTerm&, const BreakdownTerm&) = default;
};

// Terms in the order they are counted (suits in order, whole-hand terms last);
// terms worth nothing are left out. The values add up to the method's total:
// KnR points, Zar points, honour tricks, and for Kleinman the raw total before
// it is divided by 3 (points = total / 3, the remainder gives the quality).
using Breakdown = std::vector<BreakdownTerm>;

Breakdown explainKnR(const Hand& hand);
Breakdown explainZar(const Hand& hand);
Breakdown explainKleinman(const Hand& hand);
Breakdown explainCulbertson(const Hand& hand);

}  // namespace bidgauge
