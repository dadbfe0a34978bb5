#include "evaluators/zar.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "evaluators/breakdown.hpp"
#include "evaluators/byte_counts.hpp"
#include "evaluators/hand_totals.hpp"
#include "evaluators/holding.hpp"
#include "evaluators/suit_keys.hpp"
#include "evaluators/suit_parts.hpp"
#include "evaluators/trace.hpp"

namespace bidgauge {
namespace {

// Per suit: high-card points, controls, 1 when the suit holds any of A K Q J, and 1
// when every card is one of A K Q J T.
using SuitCount = ByteCounts;
enum SuitField { kHcp, kControls, kHcpSuit, kHonoursOnly };

template <class Trace>
constexpr SuitCount countSuit(const Holding& h, Trace& trace) {
  const int hcp = 4 * h.hasAce + 3 * h.hasKing + 2 * h.hasQueen + h.hasJack;
  const int controls = 2 * h.hasAce + h.hasKing;
  trace.add(hcp, [&] { return "high cards " + heldCards(h, ranks::honours); });
  trace.add(controls, [&] { return "controls " + heldCards(h, ranks::ace | ranks::king); });
  // The Ten counts as an honour here, a spot card never does; a void qualifies too.
  const bool honoursOnly = h.honours() + h.hasTen == h.length;
  trace.add(honoursOnly ? -1 : 0, [&] {
    return h.length == 0 ? std::string("void: counts as honors only")
                         : "honors only: " + heldCards(h, ranks::honours | ranks::ten);
  });
  return {hcp, controls, hcp != 0 ? 1 : 0, honoursOnly ? 1 : 0};
}

constexpr auto kSuitCounts = tabulateHoldings<SuitCount>([](const Holding& h) {
  NoTrace trace;
  return countSuit(h, trace);
});

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

void addZarParts(int key, SuitParts& parts) {
  const SuitCount& count = kSuitCounts[static_cast<std::size_t>(key)];
  parts.hcp += count[kHcp];
  parts.zarControls += count[kControls];
  parts.zarHcpSuits += count[kHcpSuit];
  parts.zarHonoursOnlySuits += count[kHonoursOnly];
}

ZarResult evaluateZar(const Hand& hand) {
  return evaluateZar(suitKeysOf(hand));
}

Breakdown explainZar(const Hand& hand) {
  return explainWith<ZarMethod>(hand);
}

}  // namespace bidgauge
