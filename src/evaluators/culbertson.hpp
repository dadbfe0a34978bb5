#pragma once

#include "hand/hand.hpp"

namespace bidgauge {

struct CulbertsonResult {
  int halfTricks = 0;  // honour tricks times 2: 2.5 -> 5
  bool opens = false;  // 2.5 honour tricks or more

  friend bool operator==(const CulbertsonResult&, const CulbertsonResult&) = default;
};

inline constexpr int kCulbertsonOpeningHalves = 5;

CulbertsonResult evaluateCulbertson(const Hand& hand);

}  // namespace bidgauge
