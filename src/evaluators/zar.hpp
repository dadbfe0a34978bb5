#pragma once

#include "hand/hand.hpp"

namespace bidgauge {

struct ZarResult {
  int points = 0;
  bool opens = false;  // 26 or more, whatever the spade length

  friend bool operator==(const ZarResult&, const ZarResult&) = default;
};

inline constexpr int kZarOpening = 26;

ZarResult evaluateZar(const Hand& hand);

}  // namespace bidgauge
