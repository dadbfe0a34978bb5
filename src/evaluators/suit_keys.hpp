#pragma once

#include "evaluators/culbertson.hpp"
#include "evaluators/holding.hpp"
#include "evaluators/kleinman.hpp"
#include "evaluators/knr.hpp"
#include "evaluators/zar.hpp"

namespace bidgauge {

// The evaluators from suit keys worked out once, for evaluateAll.
KnrResult evaluateKnR(SuitKeys keys);
ZarResult evaluateZar(SuitKeys keys);
KleinmanResult evaluateKleinman(SuitKeys keys);
CulbertsonResult evaluateCulbertson(SuitKeys keys);

}  // namespace bidgauge
