#pragma once

#include <string>

#include "evaluators/byte_counts.hpp"
#include "evaluators/holding.hpp"
#include "evaluators/suit_parts.hpp"
#include "evaluators/trace.hpp"

// What one suit counts for Culbertson's honor tricks: the rules written once as templates over a
// trace (trace.hpp), so that an explanation sees every term, and tabulated by the compiler for
// every holding, so that any table built from them is ready before the
// program starts.
namespace bidgauge::culbertson_suit {

// Tricks are counted in halves. The explanation is in quarter tricks, the value
// of one plus-value, so that its terms add up exactly.
inline constexpr int kQuarters = 4;

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

// The rules without a trace, for the table.
constexpr ByteCounts untracedCount(const Holding& h) {
  NoTrace trace;
  return packed(countSuit(h, trace));
}

// The counts of every holding, indexed by suit key.
inline constexpr auto kSuitCounts = tabulateHoldings<ByteCounts>(untracedCount);

}  // namespace bidgauge::culbertson_suit

namespace bidgauge {

// Adds this method's parts of the suit with the given key.
constexpr void addCulbertsonParts(int key, SuitParts& parts) {
  const ByteCounts& count = culbertson_suit::kSuitCounts[static_cast<std::size_t>(key)];
  parts.culbertsonHalfTricks += count[culbertson_suit::kHalfTricks];
  parts.culbertsonPlusValues += count[culbertson_suit::kPlusValues];
  parts.culbertsonKx += count[culbertson_suit::kKx];
  parts.culbertsonQx += count[culbertson_suit::kQx];
}

}  // namespace bidgauge
