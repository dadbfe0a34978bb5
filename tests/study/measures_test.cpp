#include "study/measures.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "study/synthetic_deals.hpp"

namespace bidgauge {
namespace {

constexpr auto kPoints = static_cast<std::size_t>(Method::fourThreeTwoOne);
constexpr auto kConstant = static_cast<std::size_t>(Method::constant);

TEST(MeasureStudy, EvenDealsFitOddDealsTest) {
  std::vector<SolvedDeal> deals = syntheticDeals(200, 4);
  // Odd deals make every side take 7 tricks: a line fitted on them would be
  // flat at 7, and r on them is 0 whatever the count.
  for (SolvedDeal& deal : deals) {
    if (deal.number % 2 == 0) continue;
    for (auto& byDeclarer : deal.tricks.tricks) byDeclarer.fill(7);
  }
  const StudyResults results = measureStudy(deals, 50);
  EXPECT_EQ(results.deals, 200);
  EXPECT_EQ(results.fitSamples, 200);
  EXPECT_EQ(results.testSamples, 200);
  EXPECT_EQ(results.resamples, 50);
  EXPECT_EQ(results.bootstrapSeed, kBootstrapSeed);
  for (const TargetResults& target : results.targets) {
    const HeldOutFit& points = target.fits[kPoints];
    EXPECT_NEAR(points.slope, 1 / 3.0, 0.05);
    EXPECT_EQ(points.pearsonR.value, 0);
    ASSERT_EQ(target.calibration[kPoints].size() > 5, true);
    for (const CalibrationPoint& p : target.calibration[kPoints]) EXPECT_EQ(p.meanTricks, 7);
    // 20 points a side on average, a third of a trick lost rounding down.
    EXPECT_NEAR(target.fits[kConstant].intercept, 19 / 3.0, 0.3);
  }
}

TEST(MeasureStudy, PointsPredictTricksMadeFromPoints) {
  const std::vector<SolvedDeal> deals = syntheticDeals(400, 8);
  const StudyResults results = measureStudy(deals, 100);
  for (const TargetResults& target : results.targets) {
    const HeldOutFit& points = target.fits[kPoints];
    EXPECT_GT(points.pearsonR.value, 0.98);
    EXPECT_LT(points.residualDeviation.high, 0.5);  // tricks are points / 3, rounded down
    // The baseline against itself, and the constant, which knows nothing.
    EXPECT_EQ(points.rOverPoints.low, 0);
    EXPECT_EQ(points.deviationOverPoints.high, 0);
    const HeldOutFit& constant = target.fits[kConstant];
    EXPECT_EQ(constant.pearsonR.high, 0);
    EXPECT_LT(constant.rOverPoints.high, -0.9);
    EXPECT_GT(constant.deviationOverPoints.low, 1);
    ASSERT_EQ(target.calibration[kConstant].size(), 1u);
    EXPECT_EQ(target.calibration[kConstant][0].samples, results.testSamples);
    long hands = 0;
    for (const PatternRow& row : target.patterns) hands += row.hands;
    EXPECT_EQ(hands, 2 * results.testSamples);
    EXPECT_EQ(target.patterns.front().pattern, "4-3-3-3");
  }
  for (std::size_t m = 0; m < kOpeningMethodCount; ++m) {
    EXPECT_EQ(results.opening[m].agreesWith[m], 1);
    EXPECT_GT(results.opening[m].tricksWhenOpens[0], results.opening[m].tricksWhenNot[0]);
  }
}

TEST(MeasureStudy, SameDealsAndSeedSameResults) {
  const std::vector<SolvedDeal> deals = syntheticDeals(60, 2);
  const StudyResults first = measureStudy(deals, 30, 77);
  const StudyResults again = measureStudy(deals, 30, 77);
  for (std::size_t t = 0; t < kTargetCount; ++t) {
    for (std::size_t m = 0; m < kMethodCount; ++m) {
      const HeldOutFit& a = first.targets[t].fits[m];
      const HeldOutFit& b = again.targets[t].fits[m];
      EXPECT_EQ(a.residualDeviation.low, b.residualDeviation.low);
      EXPECT_EQ(a.pearsonR.high, b.pearsonR.high);
      EXPECT_EQ(a.absoluteErrorOverPoints.low, b.absoluteErrorOverPoints.low);
    }
  }
}

TEST(MeasureStudy, NoDealsNoNumbers) {
  const StudyResults results = measureStudy({}, 10);
  EXPECT_EQ(results.deals, 0);
  EXPECT_EQ(results.testSamples, 0);
  EXPECT_EQ(results.targets[0].fits[0].pearsonR.value, 0);
  EXPECT_TRUE(results.targets[0].patterns.empty());
}

}  // namespace
}  // namespace bidgauge
