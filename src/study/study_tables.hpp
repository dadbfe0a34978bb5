#pragma once

#include <array>
#include <span>
#include <vector>

#include "study/partnership_sample.hpp"
#include "study/study_results.hpp"

namespace bidgauge {

// The step a method's count is rounded to for its calibration table: whole
// points, half honour tricks. The constant's count is always 0, one point.
double calibrationStep(Method method);

// Mean tricks (their deviation about the mean, and the number of samples)
// per count rounded to a multiple of `step`, lowest count first.
std::vector<CalibrationPoint> calibrationPoints(std::span<const double> count,
                                                std::span<const double> tricks, double step);

// Each sample's residual (tricks - predicted), per method.
using MethodResiduals = std::array<double, kMethodCount>;

// The mean residual per pattern class of the samples' hands, in class order,
// classes no hand has left out. A sample counts once for each of its hands.
std::vector<PatternRow> patternRows(
    std::span<const std::array<PatternClass, kHandsPerSide>> handPatterns,
    std::span<const MethodResiduals> residuals);

// How each method's opening mark splits the hands of all the samples, and
// the partnerships' tricks.
std::array<OpeningRow, kOpeningMethodCount> openingRows(std::span<const PartnershipSample> samples);

}  // namespace bidgauge
