#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "study/line_fit.hpp"
#include "study/study_results.hpp"

namespace bidgauge {

// The value and the 95% percentile interval of resampled values: the 2.5th
// and 97.5th percentiles, interpolated between neighbours when they fall
// between two. The interval is the value alone when there are no resamples.
Estimate percentileEstimate(double value, std::vector<double> resampled);

// One count on the test samples, with the line fitted on other deals.
struct TestedCount {
  std::span<const double> count;
  std::span<const double> tricks;
  Line line;
};

// A count's accuracy with intervals, and its paired difference from the
// baseline count's.
struct AccuracyEstimates {
  Estimate pearsonR;
  Estimate residualDeviation;
  Estimate meanAbsoluteError;
  Estimate rOverBaseline;
  Estimate deviationOverBaseline;
  Estimate absoluteErrorOverBaseline;
};

// The test samples' deals: sampleDeal[i] in 0..deals-1 for each sample, the
// same for every count. Resampling draws whole deals, so both partnerships of
// a deal go together.
struct TestDeals {
  std::span<const long> sampleDeal;
  long deals = 0;
};

// Every count judged on the same `resamples` resamples of the test deals,
// drawn with RandomStream(seed), each line kept as fitted.
std::vector<AccuracyEstimates> bootstrapAccuracy(TestDeals testDeals,
                                                 std::span<const TestedCount> counts,
                                                 std::size_t baseline, int resamples,
                                                 std::uint64_t seed);

}  // namespace bidgauge
