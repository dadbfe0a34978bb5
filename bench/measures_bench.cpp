// Time of the study's measures on 10,000 solved deals with 1,000 bootstrap
// resamples, the size of the shipped study; tricks are made up from points,
// since only the arithmetic is timed.
#include <benchmark/benchmark.h>

#include <vector>

#include "study/measures.hpp"
#include "study/synthetic_deals.hpp"

namespace bidgauge {
namespace {

void BM_MeasureStudy(benchmark::State& state) {
  const std::vector<SolvedDeal> deals = syntheticDeals(state.range(0), 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(measureStudy(deals, kBootstrapResamples));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MeasureStudy)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bidgauge
