#include "evaluators/zar.hpp"

#include <array>

#include "evaluators/breakdown.hpp"
#include "evaluators/hand_totals.hpp"
#include "evaluators/holding.hpp"
#include "evaluators/suit_keys.hpp"
#include "evaluators/trace.hpp"
#include "evaluators/zar_suit.hpp"

namespace bidgauge {
namespace {

// This method's per-suit rules and their table.
using zar_suit::countSuit;
using zar_suit::kControls;
using zar_suit::kHcp;
using zar_suit::kHcpSuit;
using zar_suit::kHonoursOnly;
using zar_suit::kSuitCounts;
using zar_suit::SuitCount;

// Zar for evaluateWith and explainWith: the count, and the unit of its terms.
struct ZarMethod {
  static constexpr int kUnitsPerPoint = 1;

  template <class Trace>
  static ZarResult countHand(SuitKeys keys, Trace& trace) {
    const SuitCount sum = sumOverSuits(keys, trace, kSuitCounts,
                                       [](const Holding& h, auto& t) { return countSuit(h, t); });
    const std::array<int, kSuitCount> lengths = {lengthOfKey(keys[0]), lengthOfKey(keys[1]),
                                                 lengthOfKey(keys[2]), lengthOfKey(keys[3])};
    return totals::zar(lengths, sum[kHcp], sum[kControls], sum[kHcpSuit], sum[kHonoursOnly], trace);
  }
};

}  // namespace

ZarResult evaluateZar(SuitKeys keys) {
  return evaluateWith<ZarMethod>(keys);
}

ZarResult evaluateZar(const Hand& hand) {
  return evaluateZar(suitKeysOf(hand));
}

Breakdown explainZar(const Hand& hand) {
  return explainWith<ZarMethod>(hand);
}

}  // namespace bidgauge
