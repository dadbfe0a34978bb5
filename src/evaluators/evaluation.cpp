#include "evaluators/evaluation.hpp"

#include "evaluators/suit_keys.hpp"

namespace bidgauge {

Evaluation evaluateAll(const Hand& hand) {
  const SuitKeys keys = suitKeysOf(hand);
  return {evaluateKnR(keys), evaluateZar(keys), evaluateKleinman(keys), evaluateCulbertson(keys)};
}

}  // namespace bidgauge
