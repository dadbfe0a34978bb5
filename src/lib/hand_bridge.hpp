#pragma once

#include "bidgauge/bidgauge.h"
#include "hand/hand.hpp"

namespace bidgauge {

// Between the library's plain C structs and the engine's types.

// 13 cards, and no bit outside the 13 ranks.
bool holdsThirteenCards(const bidgauge_hand& hand);

Hand engineHand(const bidgauge_hand& hand);
bidgauge_hand apiHand(const Hand& hand);

// The values some hand gives, for each field bidgauge_format writes: the
// least and the most of every 13-card hand (cards below the Eight as x, as
// the methods tell them apart no further), found by valuing them all.
struct ValueRange {
  int least;
  int most;
  constexpr bool holds(int value) const { return value >= least && value <= most; }
};
inline constexpr ValueRange kKnrHundredthsRange{-50, 3560};
inline constexpr ValueRange kZarPointsRange{8, 55};
inline constexpr ValueRange kKleinmanPointsRange{0, 37};
inline constexpr ValueRange kKleinmanQualityRange{-1, 1};
inline constexpr ValueRange kHonorTrickHalvesRange{0, 18};

// Every value bidgauge_format writes lies in its range.
bool formatsAsHandValues(const bidgauge_valuation& valuation);

}  // namespace bidgauge
