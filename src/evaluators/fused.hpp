#pragma once

#include <cstdint>

#include "evaluators/evaluation.hpp"
#include "hand/hand.hpp"

namespace bidgauge {

// The four valuations and the 4-3-2-1 count of a hand.
struct HandValues {
  Evaluation evaluation;
  int hcp = 0;

  friend bool operator==(const HandValues&, const HandValues&) = default;
};

// The same results as evaluateAll, for bulk work: one table holds every
// method's part of each suit holding, so a hand takes four lookups in all.
// The compiler builds the table (fused_table.hpp), so any code may call this,
// even before main.
HandValues evaluateFused(const Hand& hand);

// The same from the four suits' keys in the 16-bit lanes of a word, in any
// order: each the suit's length (masked to 0..15) times kTopMasks plus its
// top-rank bits (see holding.hpp). For callers that hold suits in another
// form, and can work the keys out without building a Hand.
HandValues evaluateFusedKeys(std::uint64_t keys);

}  // namespace bidgauge
