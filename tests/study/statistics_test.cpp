#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "study/bootstrap.hpp"
#include "study/line_fit.hpp"
#include "study/random_stream.hpp"

namespace bidgauge {
namespace {

// Counts 0, 1, ... 39 and tricks on a line through them, two samples a deal.
struct Synthetic {
  std::vector<double> count;
  std::vector<double> tricks;
  std::vector<long> deal;
};

Synthetic onLine(double intercept, double slope, double noise = 0, std::uint64_t seed = 1) {
  RandomStream stream(seed);
  Synthetic s;
  for (int i = 0; i < 400; ++i) {
    const double count = i % 40;
    const double jitter = noise * (static_cast<double>(stream.below(2001)) / 1000.0 - 1.0);
    s.count.push_back(count);
    s.tricks.push_back(intercept + slope * count + jitter);
    s.deal.push_back(i / 2);
  }
  return s;
}

std::vector<AccuracyEstimates> bootstrap(const Synthetic& s, const Line& line,
                                         std::uint64_t seed = 5) {
  const std::vector<TestedCount> counts = {{s.count, s.tricks, line}};
  return bootstrapAccuracy({s.deal, 200}, counts, 0, 200, seed);
}

void expectWidth(const Estimate& e, double value, double tolerance) {
  EXPECT_NEAR(e.value, value, tolerance);
  EXPECT_NEAR(e.low, value, tolerance);
  EXPECT_NEAR(e.high, value, tolerance);
}

TEST(HeldOutStatistics, PerfectPredictorHasNoErrorAndNoInterval) {
  const Synthetic s = onLine(2, 0.5);
  const Line line = fitLine(s.count, s.tricks);
  EXPECT_NEAR(line.intercept, 2, 1e-12);
  EXPECT_NEAR(line.slope, 0.5, 1e-12);
  const AccuracyEstimates e = bootstrap(s, line)[0];
  expectWidth(e.pearsonR, 1, 1e-9);
  expectWidth(e.residualDeviation, 0, 1e-9);
  expectWidth(e.meanAbsoluteError, 0, 1e-9);
}

TEST(HeldOutStatistics, ConstantHasNoCorrelationAndTheTricksSpread) {
  // Tricks 6 and 8 alternately: mean 7, spread 1.
  for (const double constant : {0.0, 12.35}) {
    Synthetic s;
    for (int i = 0; i < 100; ++i) {
      s.count.push_back(constant);
      s.tricks.push_back(i % 2 == 0 ? 6 : 8);
    }
    const Line line = fitLine(s.count, s.tricks);
    EXPECT_EQ(line.slope, 0) << constant;
    EXPECT_DOUBLE_EQ(line.intercept, 7) << constant;
    const Accuracy a = heldOutAccuracy(line, s.count, s.tricks);
    EXPECT_EQ(a.pearsonR, 0) << constant;
    EXPECT_DOUBLE_EQ(a.residualDeviation, 1) << constant;
    EXPECT_DOUBLE_EQ(a.meanAbsoluteError, 1) << constant;
  }
}

TEST(HeldOutStatistics, NoisyLineRecoversItsSlopeWithinTheInterval) {
  const Synthetic fit = onLine(1, 0.3, 1.0, 11);
  const Synthetic test = onLine(1, 0.3, 1.0, 12);
  const Line line = fitLine(fit.count, fit.tricks);
  EXPECT_NEAR(line.slope, 0.3, 0.01);
  EXPECT_NEAR(line.intercept, 1, 0.2);
  const AccuracyEstimates e = bootstrap(test, line)[0];
  // Uniform noise on [-1, 1]: deviation 1/sqrt(3), mean error 1/2.
  EXPECT_NEAR(e.residualDeviation.value, 1 / std::sqrt(3.0), 0.05);
  EXPECT_NEAR(e.meanAbsoluteError.value, 0.5, 0.05);
  EXPECT_GT(e.pearsonR.value, 0.9);
  for (const Estimate& estimate : {e.pearsonR, e.residualDeviation, e.meanAbsoluteError}) {
    EXPECT_LT(estimate.low, estimate.value);
    EXPECT_GT(estimate.high, estimate.value);
  }
}

TEST(HeldOutStatistics, DifferenceFromItselfIsExactlyZero) {
  const Synthetic s = onLine(1, 0.3, 2.0);
  const Line line = fitLine(s.count, s.tricks);
  const std::vector<TestedCount> counts = {{s.count, s.tricks, {0, 0}}, {s.count, s.tricks, line}};
  const std::vector<AccuracyEstimates> e = bootstrapAccuracy({s.deal, 200}, counts, 1, 100, 3);
  for (const Estimate& d :
       {e[1].rOverBaseline, e[1].deviationOverBaseline, e[1].absoluteErrorOverBaseline}) {
    EXPECT_EQ(d.value, 0);
    EXPECT_EQ(d.low, 0);
    EXPECT_EQ(d.high, 0);
  }
  // The same counts on a worse line: the same r, a larger error in every resample.
  EXPECT_EQ(e[0].rOverBaseline.low, 0);
  EXPECT_EQ(e[0].rOverBaseline.high, 0);
  EXPECT_GT(e[0].deviationOverBaseline.low, 0);
  EXPECT_GT(e[0].absoluteErrorOverBaseline.low, 0);
}

TEST(HeldOutStatistics, SameSeedSameIntervalsOtherSeedOthers) {
  const Synthetic s = onLine(1, 0.3, 2.0);
  const Line line = fitLine(s.count, s.tricks);
  const AccuracyEstimates first = bootstrap(s, line, 9)[0];
  const AccuracyEstimates again = bootstrap(s, line, 9)[0];
  const AccuracyEstimates other = bootstrap(s, line, 10)[0];
  EXPECT_EQ(first.residualDeviation.low, again.residualDeviation.low);
  EXPECT_EQ(first.residualDeviation.high, again.residualDeviation.high);
  EXPECT_EQ(first.pearsonR.low, again.pearsonR.low);
  EXPECT_NE(first.residualDeviation.low, other.residualDeviation.low);
}

TEST(HeldOutStatistics, ResamplesWholeDeals) {
  // Each deal: one sample on the line, one a trick off. Every resample of
  // whole deals has a mean error of 1/2; resampling partnerships alone would not.
  Synthetic s;
  for (int deal = 0; deal < 50; ++deal) {
    s.count.insert(s.count.end(), {0, 0});
    s.tricks.insert(s.tricks.end(), {0, 1});
    s.deal.insert(s.deal.end(), {deal, deal});
  }
  const std::vector<TestedCount> counts = {{s.count, s.tricks, {0, 0}}};
  const AccuracyEstimates e = bootstrapAccuracy({s.deal, 50}, counts, 0, 100, 1)[0];
  expectWidth(e.meanAbsoluteError, 0.5, 0);
}

TEST(PercentileEstimate, InterpolatesBetweenResamplesAndKeepsTheValue) {
  const Estimate e = percentileEstimate(3, {5, 1, 4, 2, 3});
  EXPECT_EQ(e.value, 3);
  EXPECT_DOUBLE_EQ(e.low, 1.1);   // 2.5% of the way from the least to the most
  EXPECT_DOUBLE_EQ(e.high, 4.9);  // 97.5%
  const Estimate none = percentileEstimate(2, {});
  EXPECT_EQ(none.low, 2);
  EXPECT_EQ(none.high, 2);
}

}  // namespace
}  // namespace bidgauge
