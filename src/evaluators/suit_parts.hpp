#pragma once

#include <array>

#include "evaluators/evaluation.hpp"
#include "evaluators/hand_totals.hpp"
#include "evaluators/holding.hpp"

namespace bidgauge {

// What one suit adds to each method's count, and the sums of a hand's four
// suits: every method's result is a function of these sums and the lengths.
struct SuitParts {
  int knrHundredths = 0;
  int knrShortSuitPoints = 0;
  int hcp = 0;  // 4-3-2-1, Zar's high-card points
  int zarControls = 0;
  int zarHcpSuits = 0;
  int zarHonoursOnlySuits = 0;
  int kleinmanTotal = 0;
  int kleinmanShortSuits = 0;
  int culbertsonHalfTricks = 0;
  int culbertsonPlusValues = 0;
  int culbertsonKx = 0;
  int culbertsonQx = 0;

  friend bool operator==(const SuitParts&, const SuitParts&) = default;
};

// Each method adds its parts of the suit with the given key: add*Parts, beside
// its rules in <method>_suit.hpp.

// Each method's result from the sums over the four suits.
inline KnrResult knrFromParts(const SuitParts& sum) {
  NoTrace trace;
  return totals::knr(sum.knrHundredths, sum.knrShortSuitPoints, trace);
}

inline ZarResult zarFromParts(const SuitParts& sum, const std::array<int, kSuitCount>& lengths) {
  NoTrace trace;
  return totals::zar(lengths, sum.hcp, sum.zarControls, sum.zarHcpSuits, sum.zarHonoursOnlySuits,
                     trace);
}

inline KleinmanResult kleinmanFromParts(const SuitParts& sum) {
  NoTrace trace;
  return totals::kleinman(sum.kleinmanTotal, sum.kleinmanShortSuits, trace);
}

inline CulbertsonResult culbertsonFromParts(const SuitParts& sum) {
  NoTrace trace;
  return totals::culbertson(sum.culbertsonHalfTricks, sum.culbertsonPlusValues, sum.culbertsonKx,
                            sum.culbertsonQx, trace);
}

}  // namespace bidgauge
