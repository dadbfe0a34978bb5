#pragma once

#include <cstdint>
#include <span>

#include "study/solved_deal.hpp"
#include "study/study_results.hpp"

namespace bidgauge {

// The bootstrap's seed unless the caller gives one: the bytes of "bidgauge"
// in ASCII, so every run of the same deals reports the same intervals.
inline constexpr std::uint64_t kBootstrapSeed = 0x6269646761756765u;
inline constexpr int kBootstrapResamples = 1000;

// Every measure of how well each count predicts each target: lines fitted on
// the even-numbered deals and judged on the odd ones with bootstrap intervals
// (whole test deals resampled), calibration and pattern tables on the test
// deals, and the opening marks over all the deals. Throws
// std::invalid_argument when a deal's target tricks are not known.
StudyResults measureStudy(std::span<const SolvedDeal> deals, int resamples = kBootstrapResamples,
                          std::uint64_t bootstrapSeed = kBootstrapSeed);

}  // namespace bidgauge
