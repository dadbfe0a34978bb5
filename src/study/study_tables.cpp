#include "study/study_tables.hpp"

#include <algorithm>
#include <cmath>
#include <map>

namespace bidgauge {
namespace {

struct TricksSums {
  long samples = 0;
  double tricks = 0;
  double squares = 0;
};

// The mean of `total` over `samples`; 0 for none.
double meanOf(double total, long samples) {
  return samples == 0 ? 0 : total / static_cast<double>(samples);
}

}  // namespace

double calibrationStep(Method method) {
  return method == Method::honorTricks ? 0.5 : 1.0;
}

std::vector<CalibrationPoint> calibrationPoints(std::span<const double> count,
                                                std::span<const double> tricks, double step) {
  std::map<long long, TricksSums> bins;
  const std::size_t n = std::min(count.size(), tricks.size());
  for (std::size_t i = 0; i < n; ++i) {
    TricksSums& bin = bins[std::llround(count[i] / step)];
    ++bin.samples;
    bin.tricks += tricks[i];
    bin.squares += tricks[i] * tricks[i];
  }
  std::vector<CalibrationPoint> points;
  points.reserve(bins.size());
  for (const auto& [steps, bin] : bins) {
    const double mean = meanOf(bin.tricks, bin.samples);
    const double variance = meanOf(bin.squares, bin.samples) - mean * mean;
    points.push_back(
        {static_cast<double>(steps) * step, bin.samples, mean, std::sqrt(std::max(variance, 0.0))});
  }
  return points;
}

std::vector<PatternRow> patternRows(
    std::span<const std::array<PatternClass, kHandsPerSide>> handPatterns,
    std::span<const MethodResiduals> residuals) {
  std::array<PatternRow, kPatternClassCount> rows{};
  const std::size_t n = std::min(handPatterns.size(), residuals.size());
  for (std::size_t i = 0; i < n; ++i) {
    for (const PatternClass pattern : handPatterns[i]) {
      PatternRow& row = rows[static_cast<std::size_t>(pattern)];
      ++row.hands;
      for (std::size_t m = 0; m < kMethodCount; ++m) row.meanResidual[m] += residuals[i][m];
    }
  }
  std::vector<PatternRow> shown;
  for (std::size_t p = 0; p < kPatternClassCount; ++p) {
    PatternRow& row = rows[p];
    if (row.hands == 0) continue;
    row.pattern = patternName(static_cast<PatternClass>(p));
    for (double& residual : row.meanResidual) residual = meanOf(residual, row.hands);
    shown.push_back(row);
  }
  return shown;
}

std::array<OpeningRow, kOpeningMethodCount> openingRows(
    std::span<const PartnershipSample> samples) {
  struct Tally {
    long opened = 0;
    long sidesOpening = 0;
    std::array<double, kTargetCount> tricksOpening{};
    std::array<double, kTargetCount> tricksNot{};
    std::array<long, kOpeningMethodCount> alike{};
  };
  std::array<Tally, kOpeningMethodCount> tallies{};
  for (const PartnershipSample& sample : samples) {
    for (std::size_t m = 0; m < kOpeningMethodCount; ++m) {
      Tally& tally = tallies[m];
      bool sideOpens = false;
      for (const auto& marks : sample.opens) {
        tally.opened += marks[m] ? 1 : 0;
        sideOpens = sideOpens || marks[m];
        for (std::size_t other = 0; other < kOpeningMethodCount; ++other) {
          tally.alike[other] += marks[m] == marks[other] ? 1 : 0;
        }
      }
      tally.sidesOpening += sideOpens ? 1 : 0;
      auto& tricks = sideOpens ? tally.tricksOpening : tally.tricksNot;
      for (std::size_t t = 0; t < kTargetCount; ++t) tricks[t] += sample.tricks[t];
    }
  }
  const auto sides = static_cast<long>(samples.size());
  const long hands = sides * kHandsPerSide;
  std::array<OpeningRow, kOpeningMethodCount> rows{};
  for (std::size_t m = 0; m < kOpeningMethodCount; ++m) {
    const Tally& tally = tallies[m];
    OpeningRow& row = rows[m];
    row.opensShare = meanOf(static_cast<double>(tally.opened), hands);
    for (std::size_t t = 0; t < kTargetCount; ++t) {
      row.tricksWhenOpens[t] = meanOf(tally.tricksOpening[t], tally.sidesOpening);
      row.tricksWhenNot[t] = meanOf(tally.tricksNot[t], sides - tally.sidesOpening);
    }
    for (std::size_t other = 0; other < kOpeningMethodCount; ++other) {
      row.agreesWith[other] = meanOf(static_cast<double>(tally.alike[other]), hands);
    }
  }
  return rows;
}

}  // namespace bidgauge
