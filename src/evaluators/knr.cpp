#include "evaluators/knr.hpp"

#include <array>

#include "evaluators/breakdown.hpp"
#include "evaluators/hand_totals.hpp"
#include "evaluators/holding.hpp"
#include "evaluators/knr_suit.hpp"
#include "evaluators/suit_keys.hpp"
#include "evaluators/trace.hpp"

namespace bidgauge {
namespace {

// This method's per-suit rules and their table.
using knr_suit::countSuit;
using knr_suit::kHundredths;
using knr_suit::kSuitCounts;
using knr_suit::SuitCount;

// KnR for evaluateWith and explainWith: the count, and the unit of its terms.
struct KnrMethod {
  static constexpr int kUnitsPerPoint = kHundredths;

  template <class Trace>
  static KnrResult countHand(SuitKeys keys, Trace& trace) {
    const SuitCount sum = sumOverSuits(keys, trace, kSuitCounts,
                                       [](const Holding& h, auto& t) { return countSuit(h, t); });
    return totals::knr(sum.hundredths, sum.shortSuitPoints, trace);
  }
};

}  // namespace

KnrResult evaluateKnR(SuitKeys keys) {
  return evaluateWith<KnrMethod>(keys);
}

KnrResult evaluateKnR(const Hand& hand) {
  return evaluateKnR(suitKeysOf(hand));
}

Breakdown explainKnR(const Hand& hand) {
  return explainWith<KnrMethod>(hand);
}

}  // namespace bidgauge
