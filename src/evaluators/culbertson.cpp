#include "evaluators/culbertson.hpp"

#include "evaluators/breakdown.hpp"
#include "evaluators/culbertson_suit.hpp"
#include "evaluators/hand_totals.hpp"
#include "evaluators/holding.hpp"
#include "evaluators/suit_keys.hpp"
#include "evaluators/trace.hpp"

namespace bidgauge {
namespace {

// This method's per-suit rules and their table.
using culbertson_suit::countSuit;
using culbertson_suit::kHalfTricks;
using culbertson_suit::kKx;
using culbertson_suit::kPlusValues;
using culbertson_suit::kQuarters;
using culbertson_suit::kQx;
using culbertson_suit::kSuitCounts;
using culbertson_suit::packed;

// Culbertson for evaluateWith and explainWith: the count, and the unit of its terms.
struct CulbertsonMethod {
  static constexpr int kUnitsPerPoint = kQuarters;

  template <class Trace>
  static CulbertsonResult countHand(SuitKeys keys, Trace& trace) {
    const ByteCounts sum = sumOverSuits(keys, trace, kSuitCounts, [](const Holding& h, auto& t) {
      return packed(countSuit(h, t));
    });
    return totals::culbertson(sum[kHalfTricks], sum[kPlusValues], sum[kKx], sum[kQx], trace);
  }
};

}  // namespace

CulbertsonResult evaluateCulbertson(SuitKeys keys) {
  return evaluateWith<CulbertsonMethod>(keys);
}

CulbertsonResult evaluateCulbertson(const Hand& hand) {
  return evaluateCulbertson(suitKeysOf(hand));
}

Breakdown explainCulbertson(const Hand& hand) {
  return explainWith<CulbertsonMethod>(hand);
}

}  // namespace bidgauge
