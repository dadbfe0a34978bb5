#include "study/study_tables.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace bidgauge {
namespace {

TEST(Calibration, MeanTricksPerRoundedCount) {
  struct Case {
    double step;
    std::vector<double> count;
    std::vector<double> tricks;
    std::vector<CalibrationPoint> points;  // count, samples, mean, deviation
  };
  const Case cases[] = {
      {1.0,
       {12.4, 12.6, 13.4, 13.5},
       {6, 7, 9, 10},
       {{12, 1, 6, 0}, {13, 2, 8, 1}, {14, 1, 10, 0}}},
      {0.5, {2.5, 3.0, 2.5, 3.5}, {5, 8, 7, 9}, {{2.5, 2, 6, 1}, {3, 1, 8, 0}, {3.5, 1, 9, 0}}},
      {1.0, {0, 0, 0, 0}, {4, 6, 8, 10}, {{0, 4, 7, std::sqrt(5.0)}}},
      {1.0, {}, {}, {}},
  };
  for (const Case& c : cases) {
    const std::vector<CalibrationPoint> points = calibrationPoints(c.count, c.tricks, c.step);
    ASSERT_EQ(points.size(), c.points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
      EXPECT_EQ(points[i].count, c.points[i].count);
      EXPECT_EQ(points[i].samples, c.points[i].samples);
      EXPECT_DOUBLE_EQ(points[i].meanTricks, c.points[i].meanTricks);
      EXPECT_DOUBLE_EQ(points[i].deviation, c.points[i].deviation);
    }
  }
  EXPECT_EQ(calibrationStep(Method::honorTricks), 0.5);
  EXPECT_EQ(calibrationStep(Method::knr), 1.0);
}

TEST(PatternRows, EachHandCountsItsSampleOnceInClassOrder) {
  using P = PatternClass;
  const std::vector<std::array<PatternClass, kHandsPerSide>> patterns = {
      {P::voidSuit, P::fourThreeThreeThree},
      {P::fourThreeThreeThree, P::fourThreeThreeThree},
      {P::voidSuit, P::six},
  };
  std::vector<MethodResiduals> residuals(3);
  residuals[0].fill(1);
  residuals[1].fill(-2);
  residuals[2].fill(4);
  residuals[2][5] = 0;
  const std::vector<PatternRow> rows = patternRows(patterns, residuals);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].pattern, "4-3-3-3");
  EXPECT_EQ(rows[0].hands, 3);  // sample 1 twice
  EXPECT_DOUBLE_EQ(rows[0].meanResidual[0], (1 - 2 - 2) / 3.0);
  EXPECT_EQ(rows[1].pattern, "6-x-x-x");
  EXPECT_EQ(rows[1].hands, 1);
  EXPECT_EQ(rows[2].pattern, "void");
  EXPECT_EQ(rows[2].hands, 2);
  EXPECT_DOUBLE_EQ(rows[2].meanResidual[0], 2.5);
  EXPECT_DOUBLE_EQ(rows[2].meanResidual[5], 0.5);
}

PartnershipSample sideWith(std::array<bool, 4> first, std::array<bool, 4> second, int notrump,
                           int suit) {
  PartnershipSample sample;
  sample.opens = {first, second};
  sample.tricks = {notrump, suit};
  return sample;
}

TEST(OpeningRows, SharesOfHandsAndTricksOfSides) {
  // Methods: KnR, Zar, Kleinman, honour tricks.
  const std::vector<PartnershipSample> samples = {
      sideWith({true, true, false, false}, {false, false, false, false}, 9, 10),
      sideWith({true, false, true, false}, {true, false, false, false}, 7, 8),
      sideWith({false, false, false, false}, {false, false, false, true}, 4, 5),
  };
  const auto rows = openingRows(samples);
  EXPECT_DOUBLE_EQ(rows[0].opensShare, 3 / 6.0);
  EXPECT_DOUBLE_EQ(rows[1].opensShare, 1 / 6.0);
  EXPECT_DOUBLE_EQ(rows[3].opensShare, 1 / 6.0);
  EXPECT_DOUBLE_EQ(rows[0].tricksWhenOpens[0], 8);
  EXPECT_DOUBLE_EQ(rows[0].tricksWhenOpens[1], 9);
  EXPECT_DOUBLE_EQ(rows[0].tricksWhenNot[0], 4);
  EXPECT_DOUBLE_EQ(rows[1].tricksWhenOpens[0], 9);
  EXPECT_DOUBLE_EQ(rows[1].tricksWhenNot[1], 6.5);
  EXPECT_DOUBLE_EQ(rows[0].agreesWith[0], 1);
  EXPECT_DOUBLE_EQ(rows[0].agreesWith[1], 4 / 6.0);
  EXPECT_DOUBLE_EQ(rows[1].agreesWith[0], 4 / 6.0);
  EXPECT_DOUBLE_EQ(rows[2].agreesWith[3], 4 / 6.0);
  const auto none = openingRows({});
  EXPECT_EQ(none[0].opensShare, 0);
  EXPECT_EQ(none[0].tricksWhenOpens[0], 0);
}

}  // namespace
}  // namespace bidgauge
