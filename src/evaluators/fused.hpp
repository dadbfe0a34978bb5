#pragma once

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
HandValues evaluateFused(const Hand& hand);

}  // namespace bidgauge
