#include "evaluators/zar.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "evaluators/breakdown.hpp"
#include "evaluators/byte_counts.hpp"
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
    return h.length == 0 ? std::string("void: counts as honours only")
                         : "honours only: " + heldCards(h, ranks::honours | ranks::ten);
  });
  return {hcp, controls, hcp != 0 ? 1 : 0, honoursOnly ? 1 : 0};
}

constexpr auto kSuitCounts = tabulateHoldings<SuitCount>([](const Holding& h) {
  NoTrace trace;
  return countSuit(h, trace);
});

// The lengths longest first. Each step takes one min or max and gets the other
// by subtraction, which the compiler keeps free of branches that would depend on
// the shape. The second longest is the larger of the shorter pair maximum and the
// longer pair minimum.
constexpr std::array<int, kSuitCount> sortedDescending(const std::array<int, kSuitCount>& l) {
  const int high1 = std::max(l[0], l[1]);
  const int low1 = l[0] + l[1] - high1;
  const int high2 = std::max(l[2], l[3]);
  const int low2 = l[2] + l[3] - high2;
  const int longest = std::max(high1, high2);
  const int shortest = std::min(low1, low2);
  const int second = std::max(high1 + high2 - longest, low1 + low2 - shortest);
  const int third = l[0] + l[1] + l[2] + l[3] - longest - second - shortest;
  return {longest, second, third, shortest};
}

// The two longest suits plus the difference between the longest and the shortest.
template <class Trace>
int shapePoints(const std::array<int, kSuitCount>& lengths, Trace& trace) {
  const auto sorted = sortedDescending(lengths);
  const int points = 2 * sorted[0] + sorted[1] - sorted[3];
  trace.add(points, [&] {
    const auto text = [](int n) { return std::to_string(n); };
    return "shape " + text(sorted[0]) + "-" + text(sorted[1]) + "-" + text(sorted[2]) + "-" +
           text(sorted[3]) + ": " + text(sorted[0]) + " + " + text(sorted[1]) + " + (" +
           text(sorted[0]) + " - " + text(sorted[3]) + ")";
  });
  return points;
}

// The numbers of suits with high cards that earn the concentration bonus, as bits,
// by high-card points (at most 10 a suit): exactly two suits with 11 to 14 points,
// at most three with 15 or more. A table rather than conditions keeps this free of
// branches that would depend on the hand.
constexpr auto kBonusSuitCounts = [] {
  constexpr int kMostHcp = 10 * kSuitCount;
  std::array<unsigned, kMostHcp + 1> suitCounts{};
  for (int hcp = 11; hcp < static_cast<int>(suitCounts.size()); ++hcp) {
    suitCounts[static_cast<std::size_t>(hcp)] = hcp <= 14 ? 0b00100U : 0b01111U;
  }
  return suitCounts;
}();

template <class Trace>
int concentration(int hcp, int hcpSuits, Trace& trace) {
  const bool concentrated = (kBonusSuitCounts[static_cast<std::size_t>(hcp)] >> hcpSuits & 1U) != 0;
  trace.add(concentrated ? 1 : 0, [&] {
    return "concentration: " + std::to_string(hcp) + " points in " + std::to_string(hcpSuits) +
           " suits";
  });
  return concentrated ? 1 : 0;
}

template <class Trace>
ZarResult finishHand(const std::array<int, kSuitCount>& lengths, int hcp, int controls,
                     int hcpSuits, int honoursOnlySuits, Trace& trace) {
  const int shape = shapePoints(lengths, trace);
  const int bonus = concentration(hcp, hcpSuits, trace);
  const int points = shape + hcp + controls + bonus - honoursOnlySuits;
  return {points, points >= kZarOpening};
}

template <class Trace>
ZarResult countHand(SuitKeys keys, Trace& trace) {
  const SuitCount sum = sumOverSuits(keys, trace, kSuitCounts,
                                     [](const Holding& h, auto& t) { return countSuit(h, t); });
  const std::array<int, kSuitCount> lengths = {lengthOfKey(keys[0]), lengthOfKey(keys[1]),
                                               lengthOfKey(keys[2]), lengthOfKey(keys[3])};
  return finishHand(lengths, sum[kHcp], sum[kControls], sum[kHcpSuit], sum[kHonoursOnly], trace);
}

}  // namespace

ZarResult evaluateZar(SuitKeys keys) {
  NoTrace trace;
  return countHand(keys, trace);
}

void addZarParts(int key, SuitParts& parts) {
  const SuitCount& count = kSuitCounts[static_cast<std::size_t>(key)];
  parts.hcp += count[kHcp];
  parts.zarControls += count[kControls];
  parts.zarHcpSuits += count[kHcpSuit];
  parts.zarHonoursOnlySuits += count[kHonoursOnly];
}

ZarResult zarFromParts(const SuitParts& sum, const std::array<int, kSuitCount>& lengths) {
  NoTrace trace;
  return finishHand(lengths, sum.hcp, sum.zarControls, sum.zarHcpSuits, sum.zarHonoursOnlySuits,
                    trace);
}

ZarResult evaluateZar(const Hand& hand) {
  return evaluateZar(suitKeysOf(hand));
}

Breakdown explainZar(const Hand& hand) {
  RecordingTrace trace(1);
  countHand(suitKeysOf(hand), trace);
  return std::move(trace).take();
}

}  // namespace bidgauge
