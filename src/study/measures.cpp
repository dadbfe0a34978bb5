#include "study/measures.hpp"

#include <array>
#include <vector>

#include "study/bootstrap.hpp"
#include "study/line_fit.hpp"
#include "study/partnership_sample.hpp"
#include "study/study_tables.hpp"

namespace bidgauge {
namespace {

constexpr auto kPointsBaseline = static_cast<std::size_t>(Method::fourThreeTwoOne);

// Samples as columns, the form the statistics take.
struct SampleColumns {
  std::array<std::vector<double>, kMethodCount> count;
  std::array<std::vector<double>, kTargetCount> tricks;
  std::vector<long> deal;  // 0, 1, ... in the order the deals come
  long deals = 0;
  std::vector<std::array<PatternClass, kHandsPerSide>> patterns;
};

SampleColumns columnsOf(const std::vector<PartnershipSample>& samples) {
  SampleColumns columns;
  for (const PartnershipSample& sample : samples) {
    const bool newDeal =
        columns.deal.empty() || samples[columns.deal.size() - 1].deal != sample.deal;
    if (newDeal) ++columns.deals;
    columns.deal.push_back(columns.deals - 1);
    for (std::size_t m = 0; m < kMethodCount; ++m) columns.count[m].push_back(sample.count[m]);
    for (std::size_t t = 0; t < kTargetCount; ++t) {
      columns.tricks[t].push_back(static_cast<double>(sample.tricks[t]));
    }
    columns.patterns.push_back(sample.patterns);
  }
  return columns;
}

std::vector<MethodResiduals> residualsOf(const SampleColumns& test,
                                         const std::array<Line, kMethodCount>& lines,
                                         std::size_t target) {
  std::vector<MethodResiduals> residuals(test.deal.size());
  for (std::size_t i = 0; i < residuals.size(); ++i) {
    for (std::size_t m = 0; m < kMethodCount; ++m) {
      residuals[i][m] = test.tricks[target][i] - lines[m].at(test.count[m][i]);
    }
  }
  return residuals;
}

TargetResults measureTarget(const SampleColumns& fit, const SampleColumns& test, std::size_t target,
                            int resamples, std::uint64_t seed) {
  std::array<Line, kMethodCount> lines;
  std::vector<TestedCount> tested;
  for (std::size_t m = 0; m < kMethodCount; ++m) {
    lines[m] = fitLine(fit.count[m], fit.tricks[target]);
    tested.push_back({test.count[m], test.tricks[target], lines[m]});
  }
  // The same seed for every target: both are judged on the same resamples.
  const std::vector<AccuracyEstimates> estimates =
      bootstrapAccuracy({test.deal, test.deals}, tested, kPointsBaseline, resamples, seed);

  TargetResults results;
  for (std::size_t m = 0; m < kMethodCount; ++m) {
    const AccuracyEstimates& e = estimates[m];
    results.fits[m] = {lines[m].intercept,
                       lines[m].slope,
                       e.pearsonR,
                       e.residualDeviation,
                       e.meanAbsoluteError,
                       e.rOverBaseline,
                       e.deviationOverBaseline,
                       e.absoluteErrorOverBaseline};
    results.calibration[m] = calibrationPoints(test.count[m], test.tricks[target],
                                               calibrationStep(static_cast<Method>(m)));
  }
  results.patterns = patternRows(test.patterns, residualsOf(test, lines, target));
  return results;
}

}  // namespace

StudyResults measureStudy(std::span<const SolvedDeal> deals, int resamples,
                          std::uint64_t bootstrapSeed) {
  std::vector<PartnershipSample> all;
  std::vector<PartnershipSample> fitSamples;
  std::vector<PartnershipSample> testSamples;
  all.reserve(deals.size() * kSideCount);
  for (const SolvedDeal& deal : deals) {
    auto& half = deal.number % 2 == 0 ? fitSamples : testSamples;
    for (const PartnershipSample& sample : partnershipSamples(deal)) {
      all.push_back(sample);
      half.push_back(sample);
    }
  }
  const SampleColumns fit = columnsOf(fitSamples);
  const SampleColumns test = columnsOf(testSamples);

  StudyResults results;
  results.deals = static_cast<long>(deals.size());
  results.fitSamples = static_cast<long>(fitSamples.size());
  results.testSamples = static_cast<long>(testSamples.size());
  results.bootstrapSeed = bootstrapSeed;
  results.resamples = resamples;
  for (std::size_t t = 0; t < kTargetCount; ++t) {
    results.targets[t] = measureTarget(fit, test, t, resamples, bootstrapSeed);
  }
  results.opening = openingRows(all);
  return results;
}

}  // namespace bidgauge
