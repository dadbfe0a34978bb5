#pragma once

#include <cstdint>

#include "hand/hand.hpp"

namespace bidgauge {

// Slow, literal versions of the four valuations: one flag per card, the values in the
// types the rules are stated in. The property test compares the fast evaluators with them.
struct ReferenceKnr {
  float knrPoints = 0;
  std::int16_t opens = 0;
};
struct ReferenceZar {
  float zarPoints = 0;
  std::int16_t opens = 0;
};
struct ReferenceKleinman {
  std::int16_t kleinmanPoints = 0;
  std::int16_t kleinmanQuality = 0;
  std::int16_t opens = 0;
};
struct ReferenceCulbertson {
  float honorTricks = 0;
  std::int16_t opens = 0;
};

ReferenceKnr referenceKnR(const Hand& hand);
ReferenceZar referenceZar(const Hand& hand);
ReferenceKleinman referenceKleinman(const Hand& hand);
ReferenceCulbertson referenceCulbertson(const Hand& hand);

}  // namespace bidgauge
