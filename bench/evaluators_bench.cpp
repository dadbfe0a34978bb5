// Time per hand of the four evaluators, on a fixed set of random hands.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <vector>

#include "evaluators/breakdown.hpp"
#include "evaluators/evaluation.hpp"
#include "hand/card_tables.hpp"

namespace bidgauge {
namespace {

constexpr std::size_t kHands = 100'000;

// Dealt from a shuffled deck, with about one card in five typed as a spot card.
std::vector<Hand> makeHands() {
  std::mt19937 engine(20240607);
  std::bernoulli_distribution toSpot(0.2);
  std::array<int, 52> deck{};
  std::iota(deck.begin(), deck.end(), 0);
  std::vector<Hand> hands(kHands);
  for (Hand& hand : hands) {
    std::shuffle(deck.begin(), deck.end(), engine);
    for (std::size_t i = 0; i < kCardsInHand; ++i) {
      const auto suit = static_cast<std::size_t>(deck[i] / kRankCount);
      const auto rank = static_cast<std::size_t>(deck[i] % kRankCount + 1);
      ++hand.suitLength[suit];
      ++hand.cardCount;
      if (toSpot(engine)) {
        ++hand.spotCount[suit];
      } else {
        hand.suitCards[suit] = static_cast<std::int16_t>(hand.suitCards[suit] | rankBit[rank]);
      }
    }
  }
  return hands;
}

const std::vector<Hand>& benchHands() {
  static const std::vector<Hand> hands = makeHands();
  return hands;
}

// Runs `evaluate` on every hand per iteration; reports hands per second and the
// time per hand.
template <class Evaluate>
void runOverHands(benchmark::State& state, Evaluate evaluate) {
  const auto& hands = benchHands();
  for (auto _ : state) {
    for (const Hand& hand : hands) benchmark::DoNotOptimize(evaluate(hand));
  }
  const auto count = static_cast<std::int64_t>(hands.size());
  state.SetItemsProcessed(state.iterations() * count);
  state.counters["per_hand"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_EvaluateAll(benchmark::State& state) {
  runOverHands(state, evaluateAll);
}
void BM_KnR(benchmark::State& state) {
  runOverHands(state, evaluateKnR);
}
void BM_Zar(benchmark::State& state) {
  runOverHands(state, evaluateZar);
}
void BM_Kleinman(benchmark::State& state) {
  runOverHands(state, evaluateKleinman);
}
void BM_Culbertson(benchmark::State& state) {
  runOverHands(state, evaluateCulbertson);
}
void BM_ExplainAll(benchmark::State& state) {
  runOverHands(state, [](const Hand& hand) {
    return explainKnR(hand).size() + explainZar(hand).size() + explainKleinman(hand).size() +
           explainCulbertson(hand).size();
  });
}

BENCHMARK(BM_EvaluateAll);
BENCHMARK(BM_KnR);
BENCHMARK(BM_Zar);
BENCHMARK(BM_Kleinman);
BENCHMARK(BM_Culbertson);
BENCHMARK(BM_ExplainAll);

}  // namespace
}  // namespace bidgauge
