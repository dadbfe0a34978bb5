#include "evaluators/kleinman.hpp"

#include <array>

#include "evaluators/breakdown.hpp"
#include "evaluators/hand_totals.hpp"
#include "evaluators/holding.hpp"
#include "evaluators/kleinman_suit.hpp"
#include "evaluators/suit_keys.hpp"
#include "evaluators/trace.hpp"

namespace bidgauge {
namespace {

// This method's per-suit rules and their table.
using kleinman_suit::countSuit;
using kleinman_suit::kSuitCounts;
using kleinman_suit::SuitCount;

// Kleinman for evaluateWith and explainWith: the count, and the unit of its terms.
struct KleinmanMethod {
  static constexpr int kUnitsPerPoint = 1;

  template <class Trace>
  static KleinmanResult countHand(SuitKeys keys, Trace& trace) {
    const SuitCount sum = sumOverSuits(keys, trace, kSuitCounts,
                                       [](const Holding& h, auto& t) { return countSuit(h, t); });
    return totals::kleinman(sum.total, sum.shortSuits, trace);
  }
};

}  // namespace

KleinmanResult evaluateKleinman(SuitKeys keys) {
  return evaluateWith<KleinmanMethod>(keys);
}

KleinmanResult evaluateKleinman(const Hand& hand) {
  return evaluateKleinman(suitKeysOf(hand));
}

Breakdown explainKleinman(const Hand& hand) {
  return explainWith<KleinmanMethod>(hand);
}

}  // namespace bidgauge
