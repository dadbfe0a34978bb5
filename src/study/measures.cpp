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

// The samples of the even deals (fit) or of the odd ones (test) as columns.
SampleColumns columnsOf(const std::vector<PartnershipSample>& samples, bool fit) {
  SampleColumns columns;
  long lastDeal = 0;
  for (const PartnershipSample& sample : samples) {
    if ((sample.deal % 2 == 0) != fit) continue;
    if (columns.deal.empty() || sample.deal != lastDeal) ++columns.deals;
    lastDeal = sample.deal;
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
  all.reserve(deals.size() * kSideCount);
  for (const SolvedDeal& deal : deals) {
    for (const PartnershipSample& sample : partnershipSamples(deal)) all.push_back(sample);
  }
  const SampleColumns fit = columnsOf(all, true);
  const SampleColumns test = columnsOf(all, false);

  StudyResults results;
  results.deals = static_cast<long>(deals.size());
  results.fitSamples = static_cast<long>(fit.deal.size());
  results.testSamples = static_cast<long>(test.deal.size());
  results.bootstrapSeed = bootstrapSeed;
  results.resamples = resamples;
  for (std::size_t t = 0; t < kTargetCount; ++t) {
    results.targets[t] = measureTarget(fit, test, t, resamples, bootstrapSeed);
  }
  results.opening = openingRows(all);
  return results;
}

}  // namespace bidgauge
