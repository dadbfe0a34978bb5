#include "evaluators/culbertson.hpp"

#include <algorithm>
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

// Tricks are counted in halves. The explanation is in quarter tricks, the value
// of one plus-value, so that its terms add up exactly.
constexpr int kQuarters = 4;

// Per suit: half tricks, plus-values, 1 for a Kx (a King with neither Queen nor Jack,
// worth half a trick) and 1 for a Qx (a Queen without Ace or King, not QJx, worth a
// plus-value).
struct SuitCount {
  int halfTricks = 0;
  int plusValues = 0;
  int kx = 0;
  int qx = 0;
};

// The same, packed so that the suits add up in one step.
enum PackedField { kHalfTricks, kPlusValues, kKx, kQx };
constexpr ByteCounts packed(const SuitCount& c) {
  return {c.halfTricks, c.plusValues, c.kx, c.qx};
}

template <class Trace>
constexpr void addTricks(SuitCount& count, int halves, const char* holding, Trace& trace) {
  count.halfTricks += halves;
  trace.add(2 * halves, [holding] { return "honor tricks: " + std::string(holding); });
}

template <class Trace, class Reason>
constexpr void addPlusValue(SuitCount& count, Trace& trace, Reason reason) {
  ++count.plusValues;
  trace.add(1, [&] { return "plus-value: " + std::string(reason()); });
}

template <class Trace>
constexpr SuitCount aceRule(const Holding& h, Trace& trace) {
  SuitCount count;
  if (h.hasKing) {
    addTricks(count, 4, "A K", trace);
    // One plus-value at most, for AKQ, AKJ and AKQJ alike.
    if (h.hasQueen || h.hasJack) {
      addPlusValue(count, trace,
                   [&] { return heldCards(h, ranks::queen | ranks::jack) + " with A K"; });
    }
  } else if (h.hasQueen) {
    addTricks(count, 3, "A Q", trace);
    if (h.hasJack) addPlusValue(count, trace, [] { return "J with A Q"; });
  } else {
    addTricks(count, 2, "A", trace);
    if (h.hasJack && h.length >= 3) addPlusValue(count, trace, [] { return "J with A x"; });
  }
  return count;
}

template <class Trace>
constexpr SuitCount kingRule(const Holding& h, Trace& trace) {
  SuitCount count;
  if (h.length == 1) {
    addPlusValue(count, trace, [] { return "singleton K"; });
  } else if (h.hasQueen) {
    if (h.hasJack) {
      addTricks(count, 3, "K Q J", trace);
    } else {
      addTricks(count, 2, "K Q", trace);
    }
  } else if (h.hasJack) {
    if (h.hasTen) {
      addTricks(count, 2, "K J T", trace);
    } else {
      addTricks(count, 1, "K J", trace);
      if (h.length >= 3) addPlusValue(count, trace, [] { return "J with K x"; });
    }
  } else {
    addTricks(count, 1, "K x", trace);
    count.kx = 1;
  }
  return count;
}

// A Queen without Ace or King; a singleton scores nothing.
template <class Trace>
constexpr SuitCount queenRule(const Holding& h, Trace& trace) {
  SuitCount count;
  if (h.length < 2) return count;
  if (h.hasJack && h.length >= 3) {
    addTricks(count, 1, "Q J x", trace);
  } else {
    addPlusValue(count, trace, [] { return "Q x"; });
    count.qx = 1;
  }
  return count;
}

template <class Trace>
constexpr SuitCount countSuit(const Holding& h, Trace& trace) {
  if (h.hasAce) return aceRule(h, trace);
  if (h.hasKing) return kingRule(h, trace);
  if (h.hasQueen) return queenRule(h, trace);
  SuitCount count;
  if (h.hasJack && h.length >= 2) addPlusValue(count, trace, [] { return "J x"; });
  return count;
}

constexpr auto kSuitCounts = tabulateHoldings<ByteCounts>([](const Holding& h) {
  NoTrace trace;
  return packed(countSuit(h, trace));
});

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

void addCulbertsonParts(int key, SuitParts& parts) {
  const ByteCounts& count = kSuitCounts[static_cast<std::size_t>(key)];
  parts.culbertsonHalfTricks += count[kHalfTricks];
  parts.culbertsonPlusValues += count[kPlusValues];
  parts.culbertsonKx += count[kKx];
  parts.culbertsonQx += count[kQx];
}

CulbertsonResult evaluateCulbertson(const Hand& hand) {
  return evaluateCulbertson(suitKeysOf(hand));
}

Breakdown explainCulbertson(const Hand& hand) {
  return explainWith<CulbertsonMethod>(hand);
}

}  // namespace bidgauge
