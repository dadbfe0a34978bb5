#pragma once

#include <span>

namespace bidgauge {

// tricks = intercept + slope * count.
struct Line {
  double intercept = 0;
  double slope = 0;
  double at(double count) const { return intercept + slope * count; }
};

// The least-squares line through the samples; a flat line at the mean
// tricks when the count does not vary (the constant), nothing at all fitted
// (0, 0) when there are no samples.
Line fitLine(std::span<const double> count, std::span<const double> tricks);

// The running sums a line's accuracy on some samples comes from. Sums add,
// so a resample of deals is the sum of its deals' sums.
struct SampleSums {
  double samples = 0;
  double count = 0;
  double tricks = 0;
  double countSquares = 0;
  double tricksSquares = 0;
  double products = 0;         // count * tricks
  double residualSquares = 0;  // (tricks - predicted)^2
  double absoluteResiduals = 0;

  SampleSums& operator+=(const SampleSums& other);
};

SampleSums sampleSums(const Line& line, double count, double tricks);

// How well a line predicts held-out samples.
struct Accuracy {
  double pearsonR = 0;           // 0 when the count or the tricks do not vary
  double residualDeviation = 0;  // root mean square of tricks - predicted
  double meanAbsoluteError = 0;
};

Accuracy accuracyOf(const SampleSums& sums);
Accuracy heldOutAccuracy(const Line& line, std::span<const double> count,
                         std::span<const double> tricks);

}  // namespace bidgauge
