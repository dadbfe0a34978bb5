#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bidgauge {

// What each partnership's count is tried as: the four methods the program
// shows, then two baselines, plain 4-3-2-1 points and a constant.
enum class Method : std::uint8_t { knr, zar, kleinman, honorTricks, fourThreeTwoOne, constant };
inline constexpr int kMethodCount = 6;
// The methods that have an opening requirement (and a mark on the screen).
inline constexpr int kOpeningMethodCount = 4;

// What the count is asked to predict, for one partnership.
enum class Target : std::uint8_t {
  notrump,      // notrump tricks by the side's better declarer
  longestSuit,  // tricks in the side's longest combined suit by its better declarer
};
inline constexpr int kTargetCount = 2;

// A statistic on the test deals with its 95% bootstrap interval.
struct Estimate {
  double value = 0;
  double low = 0;
  double high = 0;
};

// One method's line, fitted on the even deals, judged on the odd ones.
struct HeldOutFit {
  double intercept = 0;  // tricks = intercept + slope * count
  double slope = 0;
  Estimate pearsonR;
  Estimate residualDeviation;  // standard deviation of tricks - predicted
  Estimate meanAbsoluteError;
  // This method's statistic minus the 4-3-2-1 count's on the same
  // resamples: below zero for the errors (and above for r) means better.
  Estimate rOverPoints;
  Estimate deviationOverPoints;
  Estimate absoluteErrorOverPoints;
};

// Mean tricks of the test samples whose count rounds to `count`.
struct CalibrationPoint {
  double count = 0;
  long samples = 0;
  double meanTricks = 0;
  double deviation = 0;  // of the tricks about their mean
};

// The mean held-out residual (tricks - predicted) of the samples one of
// whose hands has a pattern; a sample counts once for each of its hands.
struct PatternRow {
  std::string pattern;  // "4-3-3-3", "4-4-3-2", "4-4-4-1", "5-3-3-2", "5-4-x-x",
                        // "6-x-x-x", "7+", "two-suiter", "void"
  long hands = 0;
  std::array<double, kMethodCount> meanResidual{};
};

struct TargetResults {
  std::array<HeldOutFit, kMethodCount> fits;
  std::array<std::vector<CalibrationPoint>, kMethodCount> calibration;
  std::vector<PatternRow> patterns;
};

// How one method's opening mark splits the hands, and its partnerships.
struct OpeningRow {
  double opensShare = 0;  // of all hands
  // Mean tricks (per target) of the partnerships with a hand the method
  // opens, and of those without.
  std::array<double, kTargetCount> tricksWhenOpens{};
  std::array<double, kTargetCount> tricksWhenNot{};
  std::array<double, kOpeningMethodCount> agreesWith{};  // share of hands marked alike
};

struct StudyResults {
  long deals = 0;
  long fitSamples = 0;   // partnerships of the even deals
  long testSamples = 0;  // and of the odd ones
  std::uint64_t bootstrapSeed = 0;
  int resamples = 0;
  std::array<TargetResults, kTargetCount> targets;
  std::array<OpeningRow, kOpeningMethodCount> opening;
};

}  // namespace bidgauge
