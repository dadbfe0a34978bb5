#pragma once

#include <string>
#include <utility>

#include "evaluators/breakdown.hpp"
#include "evaluators/holding.hpp"

namespace bidgauge {

// The evaluators are written once, as templates over a trace that receives every
// term as it is counted. NoTrace compiles away; RecordingTrace builds a Breakdown.
// Reasons are passed as callables so that no text is built unless it is recorded.
struct NoTrace {
  static constexpr bool kRecords = false;
  constexpr void enterSuit(int /*suit*/) {}
  template <class Reason>
  constexpr void add(int /*units*/, Reason&& /*reason*/) {}
};

class RecordingTrace {
 public:
  static constexpr bool kRecords = true;

  // Terms are counted in units of 1 / unitsPerPoint (100 for KnR hundredths).
  explicit RecordingTrace(int unitsPerPoint) : unitsPerPoint_(unitsPerPoint) {}

  void enterSuit(int suit) { suit_ = suit; }

  template <class Reason>
  void add(int units, Reason&& reason) {
    if (units != 0) record(units, std::string(std::forward<Reason>(reason)()));
  }

  Breakdown take() && { return std::move(terms_); }

 private:
  void record(int units, std::string reason);

  int unitsPerPoint_;
  int suit_ = kWholeHand;
  Breakdown terms_;
};

// A rule's per-suit counts added up over the hand: looked up in the rule's table,
// or, while recording, counted by the rule itself so that its terms are seen. The
// four lookups are written out so that no loop is left to run.
template <class Count, class Trace, class Rule>
Count sumOverSuits(SuitKeys keys, Trace& trace, const std::array<Count, kHoldingCount>& table,
                   Rule rule) {
  if constexpr (Trace::kRecords) {
    Count sum{};
    for (int suit = 0; suit < kSuitCount; ++suit) {
      trace.enterSuit(suit);
      sum = sum + rule(holdingFromKey(keys[static_cast<std::size_t>(suit)]), trace);
    }
    trace.enterSuit(kWholeHand);
    return sum;
  } else {
    const auto at = [&](std::size_t suit) { return table[static_cast<std::size_t>(keys[suit])]; };
    return at(0) + at(1) + at(2) + at(3);
  }
}

// An evaluator's entry points, written once. `Method` counts a hand with any
// trace in its static `countHand` and names the unit of its terms in
// `kUnitsPerPoint`.
template <class Method>
auto evaluateWith(SuitKeys keys) {
  NoTrace trace;
  return Method::countHand(keys, trace);
}

template <class Method>
Breakdown explainWith(const Hand& hand) {
  RecordingTrace trace(Method::kUnitsPerPoint);
  Method::countHand(suitKeysOf(hand), trace);
  return std::move(trace).take();
}

// units / unitsPerPoint as the shortest exact decimal ("7.5", "0.25", "-1");
// unitsPerPoint must divide 100, so two decimals always suffice.
std::string formatPoints(int units, int unitsPerPoint);

}  // namespace bidgauge
