#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "evaluators/hand_totals.hpp"
#include "evaluators/holding.hpp"
#include "evaluators/suit_parts.hpp"
#include "evaluators/trace.hpp"

// What one suit counts for KnR: the rules written once as templates over a trace (trace.hpp),
// so that an explanation sees every term, and tabulated by the compiler for
// every holding, so that any table built from them is ready before the
// program starts.
namespace bidgauge::knr_suit {

// Counted in hundredths. High-card, support and swallow sums are multiples of a
// half and honour values multiples of a quarter, so every term is a whole number
// of hundredths and the total needs no rounding.
inline constexpr int kHundredths = totals::kKnrHundredths;

struct SuitCount {
  std::int16_t hundredths = 0;      // suit quality + honour value
  std::int8_t shortSuitPoints = 0;  // void 3, singleton 2, doubleton 1

  friend constexpr SuitCount operator+(SuitCount a, SuitCount b) {
    return {static_cast<std::int16_t>(a.hundredths + b.hundredths),
            static_cast<std::int8_t>(a.shortSuitPoints + b.shortSuitPoints)};
  }
};

// An ingredient of the suit quality, given in halves: it adds halves / 2 * L / 10.
template <class Trace, class Reason>
constexpr int qualityTerm(Trace& trace, int halves, int length, Reason reason) {
  const int hundredths = 5 * halves * length;
  trace.add(hundredths, [&] {
    return std::string(reason()) + ", " + formatPoints(halves, 2) + " x " + std::to_string(length) +
           " / 10";
  });
  return hundredths;
}

template <class Trace>
constexpr int highCards(const Holding& h, Trace& trace) {
  const int halves = 8 * h.hasAce + 6 * h.hasKing + 4 * h.hasQueen + 2 * h.hasJack + h.hasTen;
  return qualityTerm(trace, halves, h.length,
                     [&] { return "high cards " + heldCards(h, ranks::honours | ranks::ten); });
}

// Suits of six cards or fewer. The rows are independent: AKQ98 scores both Nine rows.
template <class Trace>
constexpr int supportingHonours(const Holding& h, Trace& trace) {
  const int honours = h.honours();
  int hundredths = 0;
  const auto support = [&](const char* reason) {
    hundredths +=
        qualityTerm(trace, 1, h.length, [reason] { return "support: " + std::string(reason); });
  };
  if (h.hasTen && (h.hasJack || honours >= 2)) {
    support(h.hasJack ? "Ten with Jack" : "Ten with two or more honors");
  }
  if (h.hasNine && (h.hasTen || h.hasEight || honours == 2)) {
    support(h.hasTen ? "Nine with Ten" : h.hasEight ? "Nine with Eight" : "Nine with two honors");
  }
  // Exactly three of the four honours, so AKQJ9 gets nothing for its Nine.
  if (h.hasNine && !h.hasTen && honours == 3 && h.length <= 5) {
    support("Nine with three honors");
  }
  return hundredths;
}

// Suits of seven cards or more that lack the Queen or the Jack.
template <class Trace>
constexpr int swallowPoints(const Holding& h, Trace& trace) {
  if (h.hasQueen && h.hasJack) return 0;
  int points = 0;
  if (h.length == 7) {
    points = 1;
  } else if (h.length == 8) {
    points = h.hasQueen ? 1 : 2;
  } else {
    points = 2 * !h.hasQueen + !h.hasJack;
  }
  return qualityTerm(trace, 2 * points, h.length, [&] {
    return std::string(h.hasQueen  ? "swallow: Jack missing"
                       : h.hasJack ? "swallow: Queen missing"
                                   : "swallow: Queen and Jack missing");
  });
}

template <class Trace>
constexpr int honourValue(const Holding& h, Trace& trace) {
  int quarters = 0;
  const auto value = [&](int q, const char* reason) {
    quarters += q;
    trace.add(25 * q, [reason] { return "honor value: " + std::string(reason); });
  };
  if (h.hasAce) value(12, "Ace");
  if (h.hasKing) {
    if (h.length == 1) {
      value(2, "singleton King");
    } else {
      value(8, "King");
    }
  }
  if (h.hasQueen && h.length >= 2) {
    const bool longer = h.length >= 3;
    if (h.hasAce || h.hasKing) {
      value(longer ? 4 : 2, "Queen with Ace or King");
    } else {
      value(longer ? 3 : 1, "Queen without Ace or King");
    }
  }
  if (h.hasJack) {
    if (h.higherHonours() == 1) value(1, "Jack with one higher honor");
    if (h.higherHonours() == 2) value(2, "Jack with two higher honors");
  }
  if (h.hasTen) {
    if (h.honours() == 2) value(1, "Ten with two higher honors");
    if (h.honours() == 1 && h.hasNine) value(1, "Ten with one higher honor and the Nine");
  }
  return 25 * quarters;
}

template <class Trace>
constexpr int shortSuitPoints(int length, Trace& trace) {
  constexpr std::array<const char*, 3> kNames = {"void", "singleton", "doubleton"};
  if (length > 2) return 0;
  const int points = 3 - length;
  trace.add(kHundredths * points, [length, &kNames] {
    return "distribution: " + std::string(kNames[static_cast<std::size_t>(length)]);
  });
  return points;
}

template <class Trace>
constexpr SuitCount countSuit(const Holding& h, Trace& trace) {
  const int shortSuit = shortSuitPoints(h.length, trace);
  if (h.length == 0) return {0, static_cast<std::int8_t>(shortSuit)};
  int hundredths = highCards(h, trace);
  hundredths += h.length <= 6 ? supportingHonours(h, trace) : swallowPoints(h, trace);
  hundredths += honourValue(h, trace);
  return {static_cast<std::int16_t>(hundredths), static_cast<std::int8_t>(shortSuit)};
}

// The rules without a trace, for the table.
constexpr SuitCount untracedCount(const Holding& h) {
  NoTrace trace;
  return countSuit(h, trace);
}

// The counts of every holding, indexed by suit key.
inline constexpr auto kSuitCounts = tabulateHoldings<SuitCount>(untracedCount);

}  // namespace bidgauge::knr_suit

namespace bidgauge {

// Adds this method's parts of the suit with the given key.
constexpr void addKnrParts(int key, SuitParts& parts) {
  const knr_suit::SuitCount& count = knr_suit::kSuitCounts[static_cast<std::size_t>(key)];
  parts.knrHundredths += count.hundredths;
  parts.knrShortSuitPoints += count.shortSuitPoints;
}

}  // namespace bidgauge
