#include "study/line_fit.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace bidgauge {
namespace {

// Whether a variance is more than rounding left over from values that are
// all alike: sums of many equal non-integers rarely cancel exactly.
bool varies(double variance, double meanSquare) {
  return variance > 1e-12 * meanSquare;
}

}  // namespace

Line fitLine(std::span<const double> count, std::span<const double> tricks) {
  const std::size_t n = std::min(count.size(), tricks.size());
  if (n == 0) return {};
  double countMean = 0;
  double tricksMean = 0;
  for (std::size_t i = 0; i < n; ++i) {
    countMean += count[i];
    tricksMean += tricks[i];
  }
  countMean /= static_cast<double>(n);
  tricksMean /= static_cast<double>(n);
  // About the means: raw sums of squares lose the spread of large counts.
  double spread = 0;
  double covariance = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double dx = count[i] - countMean;
    spread += dx * dx;
    covariance += dx * (tricks[i] - tricksMean);
  }
  const double variance = spread / static_cast<double>(n);
  if (!varies(variance, countMean * countMean + variance)) return {tricksMean, 0};
  const double slope = covariance / spread;
  return {tricksMean - slope * countMean, slope};
}

SampleSums& SampleSums::operator+=(const SampleSums& other) {
  samples += other.samples;
  count += other.count;
  tricks += other.tricks;
  countSquares += other.countSquares;
  tricksSquares += other.tricksSquares;
  products += other.products;
  residualSquares += other.residualSquares;
  absoluteResiduals += other.absoluteResiduals;
  return *this;
}

SampleSums sampleSums(const Line& line, double count, double tricks) {
  const double residual = tricks - line.at(count);
  return {1,
          count,
          tricks,
          count * count,
          tricks * tricks,
          count * tricks,
          residual * residual,
          std::abs(residual)};
}

Accuracy accuracyOf(const SampleSums& sums) {
  if (sums.samples <= 0) return {};
  const double n = sums.samples;
  const double countMean = sums.count / n;
  const double tricksMean = sums.tricks / n;
  const double countVariance = sums.countSquares / n - countMean * countMean;
  const double tricksVariance = sums.tricksSquares / n - tricksMean * tricksMean;
  Accuracy accuracy;
  if (varies(countVariance, sums.countSquares / n) &&
      varies(tricksVariance, sums.tricksSquares / n)) {
    const double covariance = sums.products / n - countMean * tricksMean;
    accuracy.pearsonR =
        std::clamp(covariance / std::sqrt(countVariance * tricksVariance), -1.0, 1.0);
  }
  accuracy.residualDeviation = std::sqrt(sums.residualSquares / n);
  accuracy.meanAbsoluteError = sums.absoluteResiduals / n;
  return accuracy;
}

Accuracy heldOutAccuracy(const Line& line, std::span<const double> count,
                         std::span<const double> tricks) {
  SampleSums sums;
  const std::size_t n = std::min(count.size(), tricks.size());
  for (std::size_t i = 0; i < n; ++i) sums += sampleSums(line, count[i], tricks[i]);
  return accuracyOf(sums);
}

}  // namespace bidgauge
