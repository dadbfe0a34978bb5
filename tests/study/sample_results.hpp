#pragma once

#include <limits>

#include "study/study_results.hpp"

namespace bidgauge {

// Results made by hand, each number telling where it came from: fit values
// grow with the method and the target, so a number in the wrong cell shows.
inline StudyResults sampleResults() {
  StudyResults results;
  results.deals = 10000;
  results.fitSamples = 10000;
  results.testSamples = 9998;
  results.bootstrapSeed = std::numeric_limits<std::uint64_t>::max();  // needs all 64 bits
  results.resamples = 1000;
  for (int t = 0; t < kTargetCount; ++t) {
    TargetResults& target = results.targets[static_cast<std::size_t>(t)];
    for (int m = 0; m < kMethodCount; ++m) {
      HeldOutFit& fit = target.fits[static_cast<std::size_t>(m)];
      fit.intercept = -2.5 + t + 0.25 * m;
      fit.slope = 0.4 - 0.0625 * m;
      fit.pearsonR = {0.81 - 0.1 * m, 0.8 - 0.1 * m, 0.83 - 0.1 * m};
      fit.residualDeviation = {1.25 + 0.125 * m + t, 1.2 + 0.125 * m + t, 1.3 + 0.125 * m + t};
      fit.meanAbsoluteError = {0.97 + m * 0.1, 0.95 + m * 0.1, 1.0 + m * 0.1};
      // Below plain points for the first two methods, a toss-up for the next
      // two, far above for the constant.
      const double over = m < 2 ? -0.08 : m < 4 ? -0.01 : m == 5 ? 1.5 : 0;
      fit.deviationOverPoints = {over, over - 0.04, m == 2 || m == 3 ? 0.02 : over + 0.04};
      fit.rOverPoints = {-over, -over - 0.01, -over + 0.01};
      fit.absoluteErrorOverPoints = {over / 2, over / 2 - 0.01, over / 2 + 0.01};
      auto& curve = target.calibration[static_cast<std::size_t>(m)];
      if (m == 5) {
        curve = {{0, 9998, 7.5, 2.5}};  // the constant: one count for all
      } else if (m != 1) {              // Zar's curve left empty
        for (int count = 20; count <= 30; ++count) {
          curve.push_back({count + 0.5 * m, 100 + count, 0.4 * count - 1 + t, 1.2});
        }
      }
    }
    target.patterns = {{"4-3-3-3", 2100, {0.125, -0.25, 0.0, 0.5, -0.75, 1.0}},
                       {"void", 640, {-0.5, 0.25, 0.375, -0.125, 0.0625, -1.0}}};
  }
  for (int m = 0; m < kOpeningMethodCount; ++m) {
    OpeningRow& row = results.opening[static_cast<std::size_t>(m)];
    row.opensShare = 0.35 + 0.01 * m;
    row.tricksWhenOpens = {8.125 + m, 9.25 + m};
    row.tricksWhenNot = {5.5 - m, 6.75 - m};
    for (int other = 0; other < kOpeningMethodCount; ++other) {
      row.agreesWith[static_cast<std::size_t>(other)] = m == other ? 1.0 : 0.9 + 0.01 * (m + other);
    }
  }
  return results;
}

}  // namespace bidgauge
