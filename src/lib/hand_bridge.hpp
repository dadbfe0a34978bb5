#pragma once

#include "bidgauge/bidgauge.h"
#include "evaluators/evaluation.hpp"
#include "hand/hand.hpp"

namespace bidgauge {

// Between the library's plain C structs and the engine's types.

// 13 cards, and no bit outside the 13 ranks.
bool holdsThirteenCards(const bidgauge_hand& hand);

Hand engineHand(const bidgauge_hand& hand);
bidgauge_hand apiHand(const Hand& hand);

}  // namespace bidgauge
