#pragma once

#include <cstdint>
#include <string>

#include "evaluators/holding.hpp"
#include "evaluators/suit_parts.hpp"
#include "evaluators/trace.hpp"

// What one suit counts for Kleinman: the rules written once as templates over a trace (trace.hpp),
// so that an explanation sees every term, and tabulated by the compiler for
// every holding, so that any table built from them is ready before the
// program starts.
namespace bidgauge::kleinman_suit {

// Counted on Kleinman's own scale (Ace 13, King 9, Queen 5, Jack 2), three to a point.
struct SuitCount {
  std::int16_t total = 0;
  std::int8_t shortSuits = 0;  // 1 for a void, singleton or doubleton

  friend constexpr SuitCount operator+(SuitCount a, SuitCount b) {
    return {static_cast<std::int16_t>(a.total + b.total),
            static_cast<std::int8_t>(a.shortSuits + b.shortSuits)};
  }
};

template <class Trace>
constexpr int highCards(const Holding& h, Trace& trace) {
  const int total = 13 * h.hasAce + 9 * h.hasKing + 5 * h.hasQueen + 2 * h.hasJack;
  trace.add(total, [&] { return "high cards " + heldCards(h, ranks::honours); });
  return total;
}

// Honours supported by the Ace, or else by the King; a bare King is unguarded.
template <class Trace>
constexpr int supportedHonours(const Holding& h, Trace& trace) {
  if (h.hasAce) {
    const int supported = h.hasKing + h.hasQueen + h.hasJack;
    trace.add(supported, [&] {
      return "Ace supports " + heldCards(h, ranks::king | ranks::queen | ranks::jack);
    });
    return supported;
  }
  if (!h.hasKing) return 0;
  const int supported = h.hasQueen + h.hasJack;
  trace.add(supported, [&] { return "King supports " + heldCards(h, ranks::queen | ranks::jack); });
  if (h.length >= 2) return supported;
  trace.add(-1, [] { return "unguarded singleton King"; });
  return supported - 1;
}

template <class Trace>
constexpr int unguardedHonours(const Holding& h, Trace& trace) {
  int total = 0;
  if (h.hasQueen && !h.hasAce && !h.hasKing && h.length < 3) {
    trace.add(-1, [] { return "unguarded Queen"; });
    --total;
  }
  if (h.hasJack && h.higherHonours() == 0 && h.length < 4) {
    trace.add(-1, [] { return "unguarded Jack"; });
    --total;
  }
  return total;
}

template <class Trace>
constexpr int tenFactor(const Holding& h, Trace& trace) {
  if (!h.hasTen) return 0;
  const int partners = h.honours() + h.hasNine;
  const int total = partners >= 2 ? 2 : partners;
  trace.add(total, [&] { return "Ten with " + heldCards(h, ranks::honours | ranks::nine); });
  return total;
}

// No card below the Jack; the Ten counts as a lower card.
template <class Trace>
constexpr int compression(const Holding& h, Trace& trace) {
  if (h.length != h.honours()) return 0;
  trace.add(-1, [] { return "no card below the Jack"; });
  return -1;
}

template <class Trace>
constexpr SuitCount countSuit(const Holding& h, Trace& trace) {
  const std::int8_t shortSuit = h.length < 3 ? 1 : 0;
  if (h.length == 0) return {0, shortSuit};
  int total = highCards(h, trace);
  total += supportedHonours(h, trace);
  total += unguardedHonours(h, trace);
  total += tenFactor(h, trace);
  total += compression(h, trace);
  return {static_cast<std::int16_t>(total), shortSuit};
}

// The rules without a trace, for the table.
constexpr SuitCount untracedCount(const Holding& h) {
  NoTrace trace;
  return countSuit(h, trace);
}

// The counts of every holding, indexed by suit key.
inline constexpr auto kSuitCounts = tabulateHoldings<SuitCount>(untracedCount);

}  // namespace bidgauge::kleinman_suit

namespace bidgauge {

// Adds this method's parts of the suit with the given key.
constexpr void addKleinmanParts(int key, SuitParts& parts) {
  const kleinman_suit::SuitCount& count = kleinman_suit::kSuitCounts[static_cast<std::size_t>(key)];
  parts.kleinmanTotal += count.total;
  parts.kleinmanShortSuits += count.shortSuits;
}

}  // namespace bidgauge
