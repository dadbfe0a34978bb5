#pragma once

#include <string>

#include "evaluators/byte_counts.hpp"
#include "evaluators/holding.hpp"
#include "evaluators/suit_parts.hpp"
#include "evaluators/trace.hpp"

// What one suit counts for Zar: the rules written once as templates over a trace (trace.hpp),
// so that an explanation sees every term, and tabulated by the compiler for
// every holding, so that any table built from them is ready before the
// program starts.
namespace bidgauge::zar_suit {

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

// The rules without a trace, for the table.
constexpr SuitCount untracedCount(const Holding& h) {
  NoTrace trace;
  return countSuit(h, trace);
}

// The counts of every holding, indexed by suit key.
inline constexpr auto kSuitCounts = tabulateHoldings<SuitCount>(untracedCount);

}  // namespace bidgauge::zar_suit

namespace bidgauge {

// Adds this method's parts of the suit with the given key.
constexpr void addZarParts(int key, SuitParts& parts) {
  const zar_suit::SuitCount& count = zar_suit::kSuitCounts[static_cast<std::size_t>(key)];
  parts.hcp += count[zar_suit::kHcp];
  parts.zarControls += count[zar_suit::kControls];
  parts.zarHcpSuits += count[zar_suit::kHcpSuit];
  parts.zarHonoursOnlySuits += count[zar_suit::kHonoursOnly];
}

}  // namespace bidgauge
