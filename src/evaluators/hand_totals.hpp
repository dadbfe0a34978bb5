#pragma once

#include <algorithm>
#include <array>
#include <string>

#include "evaluators/culbertson.hpp"
#include "evaluators/kleinman.hpp"
#include "evaluators/knr.hpp"
#include "evaluators/trace.hpp"
#include "evaluators/zar.hpp"

namespace bidgauge::totals {

// What each method makes of its per-suit sums for the whole hand. Shared by
// the evaluators, which may record each term, and the fused bulk evaluator.

inline constexpr int kKnrHundredths = 100;

template <class Trace>
constexpr int distributionAdjustment(int shortSuitPoints, Trace& trace) {
  // No suit shorter than three cards: with 13 cards that is only 4-3-3-3.
  if (shortSuitPoints == 0) {
    trace.add(-kKnrHundredths / 2, [] { return "4-3-3-3 hand"; });
    return -kKnrHundredths / 2;
  }
  trace.add(-kKnrHundredths, [] { return "first distribution point discounted"; });
  return -kKnrHundredths;
}

template <class Trace>
KnrResult knr(int suitHundredths, int shortSuitPoints, Trace& trace) {
  const int hundredths = suitHundredths + kKnrHundredths * shortSuitPoints +
                         distributionAdjustment(shortSuitPoints, trace);
  return {hundredths, hundredths >= kKnrOpeningHundredths};
}

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
constexpr std::array<unsigned, 10 * kSuitCount + 1> bonusSuitCounts() {
  std::array<unsigned, 10 * kSuitCount + 1> suitCounts{};
  for (std::size_t hcp = 11; hcp < suitCounts.size(); ++hcp) {
    // cppcheck-suppress containerOutOfBounds ; it misreads the size as 10
    suitCounts[hcp] = hcp <= 14 ? 0b00100U : 0b01111U;
  }
  return suitCounts;
}
inline constexpr auto kBonusSuitCounts = bonusSuitCounts();

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
ZarResult zar(const std::array<int, kSuitCount>& lengths, int hcp, int controls, int hcpSuits,
              int honoursOnlySuits, Trace& trace) {
  const int shape = shapePoints(lengths, trace);
  const int bonus = concentration(hcp, hcpSuits, trace);
  const int points = shape + hcp + controls + bonus - honoursOnlySuits;
  return {points, points >= kZarOpening};
}

template <class Trace>
KleinmanResult kleinman(int suitTotal, int shortSuits, Trace& trace) {
  int total = suitTotal;
  // No suit shorter than three cards: with 13 cards that is only 4-3-3-3.
  if (shortSuits == 0) {
    trace.add(-2, [] { return "4-3-3-3 hand"; });
    total -= 2;
  }
  const int points = total / 3;
  return {points, kleinmanQuality(total), points >= kKleinmanOpening};
}

template <class Trace>
CulbertsonResult culbertson(int suitHalfTricks, int suitPlusValues, int kx, int qx, Trace& trace) {
  int halfTricks = suitHalfTricks;
  int plusValues = suitPlusValues;
  // A Kx and a Qx in different suits make a full trick; the Queen's plus-value
  // goes so that neither holding counts twice.
  const int combined = std::min(kx, qx);
  trace.add(2 * combined, [] { return "K x and Q x combine"; });
  trace.add(-combined, [] { return "plus-value of Q x withdrawn"; });
  halfTricks += combined;
  plusValues -= combined;
  // Plus-values count in pairs.
  trace.add(-(plusValues % 2), [] { return "odd plus-value dropped"; });
  halfTricks += plusValues / 2;
  return {halfTricks, halfTricks >= kCulbertsonOpeningHalves};
}

}  // namespace bidgauge::totals
