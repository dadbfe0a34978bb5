#include "study/bootstrap.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "study/random_stream.hpp"

namespace bidgauge {
namespace {

double percentile(const std::vector<double>& sorted, double share) {
  const double position = share * static_cast<double>(sorted.size() - 1);
  const auto below = static_cast<std::size_t>(std::floor(position));
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  const double weight = position - static_cast<double>(below);
  return sorted[below] + weight * (sorted[above] - sorted[below]);
}

// The six statistics of one count in one resample, in AccuracyEstimates order.
constexpr std::size_t kStatistics = 6;
using Statistics = std::array<double, kStatistics>;

Statistics statisticsOf(const Accuracy& accuracy, const Accuracy& baseline) {
  return {accuracy.pearsonR,
          accuracy.residualDeviation,
          accuracy.meanAbsoluteError,
          accuracy.pearsonR - baseline.pearsonR,
          accuracy.residualDeviation - baseline.residualDeviation,
          accuracy.meanAbsoluteError - baseline.meanAbsoluteError};
}

std::vector<Statistics> statisticsOf(const std::vector<SampleSums>& sums, std::size_t baseline) {
  std::vector<Accuracy> accuracies;
  accuracies.reserve(sums.size());
  for (const SampleSums& s : sums) accuracies.push_back(accuracyOf(s));
  std::vector<Statistics> statistics;
  statistics.reserve(sums.size());
  for (const Accuracy& a : accuracies) statistics.push_back(statisticsOf(a, accuracies[baseline]));
  return statistics;
}

// sums[deal * counts + count]: a deal's samples summed, so that a resample
// costs a few additions per drawn deal.
std::vector<SampleSums> sumsPerDeal(TestDeals testDeals, std::span<const TestedCount> counts) {
  const std::size_t width = counts.size();
  std::vector<SampleSums> sums(static_cast<std::size_t>(testDeals.deals) * width);
  for (std::size_t i = 0; i < testDeals.sampleDeal.size(); ++i) {
    const auto row = static_cast<std::size_t>(testDeals.sampleDeal[i]) * width;
    for (std::size_t c = 0; c < width; ++c) {
      const TestedCount& tested = counts[c];
      sums[row + c] += sampleSums(tested.line, tested.count[i], tested.tricks[i]);
    }
  }
  return sums;
}

}  // namespace

Estimate percentileEstimate(double value, std::vector<double> resampled) {
  if (resampled.empty()) return {value, value, value};
  std::sort(resampled.begin(), resampled.end());
  return {value, percentile(resampled, 0.025), percentile(resampled, 0.975)};
}

std::vector<AccuracyEstimates> bootstrapAccuracy(TestDeals testDeals,
                                                 std::span<const TestedCount> counts,
                                                 std::size_t baseline, int resamples,
                                                 std::uint64_t seed) {
  const std::size_t width = counts.size();
  if (width == 0) return {};
  if (baseline >= width) throw std::invalid_argument("bootstrap: no such baseline count");
  const std::vector<SampleSums> perDeal = sumsPerDeal(testDeals, counts);

  std::vector<SampleSums> whole(width);
  for (std::size_t row = 0; row < perDeal.size(); row += width) {
    for (std::size_t c = 0; c < width; ++c) whole[c] += perDeal[row + c];
  }
  const std::vector<Statistics> values = statisticsOf(whole, baseline);

  // resampled[count][statistic][resample]
  const auto resampleCount = static_cast<std::size_t>(std::max(resamples, 0));
  std::vector<std::array<std::vector<double>, kStatistics>> resampled(width);
  for (auto& byStatistic : resampled) {
    for (auto& series : byStatistic) series.reserve(resampleCount);
  }
  RandomStream stream(seed);
  const auto deals = static_cast<std::uint64_t>(testDeals.deals);
  for (std::size_t r = 0; deals > 0 && r < resampleCount; ++r) {
    std::vector<SampleSums> sums(width);
    for (std::uint64_t drawn = 0; drawn < deals; ++drawn) {
      const std::size_t row = static_cast<std::size_t>(stream.below(deals)) * width;
      for (std::size_t c = 0; c < width; ++c) sums[c] += perDeal[row + c];
    }
    const std::vector<Statistics> statistics = statisticsOf(sums, baseline);
    for (std::size_t c = 0; c < width; ++c) {
      for (std::size_t s = 0; s < kStatistics; ++s) resampled[c][s].push_back(statistics[c][s]);
    }
  }

  std::vector<AccuracyEstimates> estimates(width);
  for (std::size_t c = 0; c < width; ++c) {
    std::array<Estimate, kStatistics> e;
    for (std::size_t s = 0; s < kStatistics; ++s) {
      e[s] = percentileEstimate(values[c][s], std::move(resampled[c][s]));
    }
    estimates[c] = {e[0], e[1], e[2], e[3], e[4], e[5]};
  }
  return estimates;
}

}  // namespace bidgauge
