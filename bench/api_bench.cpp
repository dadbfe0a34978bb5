// Cost per hand of the C API, called through the shared library as another
// program would: reading a text, valuing a hand, and the calls for many.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "bidgauge/bidgauge.h"

namespace {

constexpr std::size_t kHands = 100'000;

// Dealt from a shuffled deck and typed as on the entry line: "KQ7543 QT2 A J98".
std::vector<std::string> makeTexts() {
  std::mt19937 engine(20240607);
  std::array<int, 52> deck{};
  std::iota(deck.begin(), deck.end(), 0);
  std::vector<std::string> texts(kHands);
  for (std::string& text : texts) {
    std::shuffle(deck.begin(), deck.end(), engine);
    std::sort(deck.begin(), deck.begin() + 13);
    std::array<std::string, 4> suits;
    for (std::size_t i = 0; i < 13; ++i) {
      suits[static_cast<std::size_t>(deck[i] / 13)] += "AKQJT98765432"[deck[i] % 13];
    }
    for (std::size_t suit = 0; suit < suits.size(); ++suit) {
      if (suit != 0) text += ' ';
      text += suits[suit].empty() ? "-" : suits[suit];
    }
  }
  return texts;
}

const std::vector<std::string>& benchTexts() {
  static const std::vector<std::string> texts = makeTexts();
  return texts;
}

std::vector<bidgauge_hand> benchHands() {
  std::vector<bidgauge_hand> hands;
  for (const std::string& text : benchTexts()) {
    bidgauge_hand hand{};
    bidgauge_read_hand(text.data(), text.size(), &hand, nullptr);
    hands.push_back(hand);
  }
  return hands;
}

void reportPerHand(benchmark::State& state) {
  const auto count = static_cast<std::int64_t>(kHands);
  state.SetItemsProcessed(state.iterations() * count);
  state.counters["per_hand"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_ReadAndEvaluate(benchmark::State& state) {
  const auto& texts = benchTexts();
  for (auto _ : state) {
    for (const std::string& text : texts) {
      bidgauge_hand hand;
      bidgauge_valuation valuation;
      bidgauge_read_hand(text.data(), text.size(), &hand, nullptr);
      bidgauge_evaluate(&hand, &valuation);
      benchmark::DoNotOptimize(valuation);
    }
  }
  reportPerHand(state);
}
BENCHMARK(BM_ReadAndEvaluate)->Unit(benchmark::kMillisecond);

void BM_Evaluate(benchmark::State& state) {
  const std::vector<bidgauge_hand> hands = benchHands();
  for (auto _ : state) {
    for (const bidgauge_hand& hand : hands) {
      bidgauge_valuation valuation;
      bidgauge_evaluate(&hand, &valuation);
      benchmark::DoNotOptimize(valuation);
    }
  }
  reportPerHand(state);
}
BENCHMARK(BM_Evaluate)->Unit(benchmark::kMillisecond);

void BM_EvaluateHands(benchmark::State& state) {
  const std::vector<bidgauge_hand> hands = benchHands();
  std::vector<bidgauge_valuation> valuations(hands.size());
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        bidgauge_evaluate_hands(hands.data(), hands.size(), valuations.data()));
    benchmark::ClobberMemory();
  }
  reportPerHand(state);
}
BENCHMARK(BM_EvaluateHands)->Unit(benchmark::kMillisecond);

// What the Python wrapper's evaluate_many does in C: one joined buffer in,
// results and the hand texts out.
void BM_EvaluateTexts(benchmark::State& state) {
  std::string joined;
  for (const std::string& text : benchTexts()) (joined += text) += '\0';
  std::vector<bidgauge_text_result> results(kHands);
  std::string handTexts(kHands * BIDGAUGE_HAND_TEXT_SIZE, '\0');
  for (auto _ : state) {
    bidgauge_evaluate_texts(joined.data(), joined.size(), '\0', results.data(), results.size());
    benchmark::DoNotOptimize(bidgauge_join_hand_texts(results.data(), results.size(), '\n',
                                                      handTexts.data(), handTexts.size()));
    benchmark::ClobberMemory();
  }
  reportPerHand(state);
}
BENCHMARK(BM_EvaluateTexts)->Unit(benchmark::kMillisecond);

// What the Python wrapper's evaluate_many does in C: the lines joined, read
// as the batch mode reads a file, the rows handed back in blocks with their
// hand texts joined.
void BM_ReadLines(benchmark::State& state) {
  std::string joined;
  for (const std::string& text : benchTexts()) (joined += text) += '\n';
  struct Sink {
    std::vector<char> texts = std::vector<char>(512 * BIDGAUGE_HAND_TEXT_SIZE);
    std::size_t rows = 0;
  } sink;
  const auto onRows = [](void* context, const bidgauge_row* rows, size_t count) {
    auto& into = *static_cast<Sink*>(context);
    into.rows += count;
    benchmark::DoNotOptimize(
        bidgauge_join_row_hand_texts(rows, count, '\n', into.texts.data(), into.texts.size()));
    return 0;
  };
  for (auto _ : state) {
    sink.rows = 0;
    bidgauge_read_lines(joined.data(), joined.size(), onRows, nullptr, &sink);
    if (sink.rows != kHands) state.SkipWithError("rows lost");
  }
  reportPerHand(state);
}
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);

}  // namespace
