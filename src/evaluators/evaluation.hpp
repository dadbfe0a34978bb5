#pragma once

#include "evaluators/culbertson.hpp"
#include "evaluators/kleinman.hpp"
#include "evaluators/knr.hpp"
#include "evaluators/zar.hpp"
#include "hand/hand.hpp"

namespace bidgauge {

// The four valuations of one hand, in the order they are shown.
struct Evaluation {
  KnrResult knr;
  ZarResult zar;
  KleinmanResult kleinman;
  CulbertsonResult culbertson;

  friend bool operator==(const Evaluation&, const Evaluation&) = default;
};

Evaluation evaluateAll(const Hand& hand);

}  // namespace bidgauge
